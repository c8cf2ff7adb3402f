"""Drawings of the addition scenes' objects.

Every drawing is an SVG fragment centred on (0, 0) that fits the box
x -44..44, y -40..40, so that twenty of them sit in a 5 x 4 grid without
touching. The two kinds of one scene share the same box and the same style:
a thick dark outline and flat, bright colours a child reads at a glance.
"""

import math

INCHIOSTRO = "#2b1d14"


def numero(v):
    """Short decimal text: 12 rather than 12.0, 3.14 rather than 3.14159."""
    if isinstance(v, float):
        v = round(v, 2)
        if v == int(v):
            v = int(v)
    return str(v)


def el(tag, **attr):
    """One empty element; trailing underscores and inner underscores map to
    SVG's dashes (stroke_width -> stroke-width)."""
    parti = []
    for k, v in attr.items():
        if v is None:
            continue
        nome = k.rstrip("_").replace("_", "-")
        parti.append('%s="%s"' % (nome, numero(v)))
    return "<%s %s/>" % (tag, " ".join(parti))


def gruppo(contenuto, **attr):
    parti = []
    for k, v in attr.items():
        nome = k.rstrip("_").replace("_", "-")
        parti.append(' %s="%s"' % (nome, numero(v)))
    return "<g%s>%s</g>" % ("".join(parti), "".join(contenuto))


def cerchio(cx, cy, r, fill, stroke=INCHIOSTRO, sw=2.5, **extra):
    return el("circle", cx=cx, cy=cy, r=r, fill=fill, stroke=stroke,
              stroke_width=sw if stroke != "none" else None, **extra)


def ellisse(cx, cy, rx, ry, fill, stroke=INCHIOSTRO, sw=2.5, **extra):
    return el("ellipse", cx=cx, cy=cy, rx=rx, ry=ry, fill=fill, stroke=stroke,
              stroke_width=sw if stroke != "none" else None, **extra)


def rett(x, y, w, h, fill, rx=0, stroke=INCHIOSTRO, sw=2.5, **extra):
    return el("rect", x=x, y=y, width=w, height=h, rx=rx or None, fill=fill,
              stroke=stroke, stroke_width=sw if stroke != "none" else None,
              **extra)


def tracciato(d, fill="none", stroke=INCHIOSTRO, sw=2.5, **extra):
    return el("path", d=d, fill=fill, stroke=stroke,
              stroke_width=sw if stroke != "none" else None,
              stroke_linejoin="round", stroke_linecap="round", **extra)


def linea(x1, y1, x2, y2, stroke=INCHIOSTRO, sw=2.5):
    return el("line", x1=x1, y1=y1, x2=x2, y2=y2, stroke=stroke,
              stroke_width=sw, stroke_linecap="round")


def occhio(cx, cy, r=4.5, guarda=(1, 0)):
    return (cerchio(cx, cy, r, "#ffffff", sw=1.5)
            + cerchio(cx + guarda[0] * r * 0.35, cy + guarda[1] * r * 0.35,
                      r * 0.55, INCHIOSTRO, stroke="none"))


def sorriso(cx, cy, w=8, sw=2):
    return tracciato("M%s %s Q%s %s %s %s" % (numero(cx - w / 2), numero(cy), numero(cx),
                                             numero(cy + w * 0.6), numero(cx + w / 2), numero(cy)),
                     sw=sw)


def poligono(punti, fill, stroke=INCHIOSTRO, sw=2.5):
    d = "M" + " L".join("%s %s" % (numero(x), numero(y)) for x, y in punti) + " Z"
    return tracciato(d, fill=fill, stroke=stroke, sw=sw)


def stella_punti(cx, cy, r_est, r_int, punte=5, inizio=-90):
    punti = []
    for i in range(punte * 2):
        r = r_est if i % 2 == 0 else r_int
        a = math.radians(inizio + i * 180 / punte)
        punti.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return punti


def scuro(colore, f=0.72):
    c = colore.lstrip("#")
    r, g, b = (int(c[i:i + 2], 16) for i in (0, 2, 4))
    return "#%02x%02x%02x" % (int(r * f), int(g * f), int(b * f))


def chiaro(colore, f=0.5):
    c = colore.lstrip("#")
    r, g, b = (int(c[i:i + 2], 16) for i in (0, 2, 4))
    return "#%02x%02x%02x" % tuple(int(v + (255 - v) * f) for v in (r, g, b))


# ---------------------------------------------------------------- birds

def uccello(colore):
    return "".join([
        poligono([(-26, 0), (-43, -12), (-40, 8)], scuro(colore)),
        linea(-6, 26, -8, 38, "#f08c00", 3.5), linea(8, 26, 8, 38, "#f08c00", 3.5),
        linea(-13, 38, -3, 38, "#f08c00", 3), linea(3, 38, 13, 38, "#f08c00", 3),
        ellisse(-2, 6, 30, 24, colore),
        ellisse(2, 14, 18, 12, chiaro(colore, 0.6), stroke="none"),
        cerchio(18, -16, 17, colore),
        poligono([(32, -22), (44, -15), (32, -10)], "#ff9f1a"),
        occhio(22, -20, 5),
        ellisse(-8, 2, 16, 10, scuro(colore), transform="rotate(-20 -8 2)"),
    ])


# ---------------------------------------------------------------- bees

def _ape(cx, cy, ali_alte=False):
    ali = ([ellisse(cx - 4, cy - 18, 9, 15, "#e6f7ff", sw=2, opacity=0.9,
                    transform="rotate(-25 %s %s)" % (cx - 4, cy - 18)),
            ellisse(cx + 8, cy - 18, 9, 15, "#e6f7ff", sw=2, opacity=0.9,
                    transform="rotate(25 %s %s)" % (cx + 8, cy - 18))]
           if ali_alte else
           [ellisse(cx - 4, cy - 14, 12, 8, "#e6f7ff", sw=2, opacity=0.9),
            ellisse(cx + 8, cy - 15, 12, 8, "#e6f7ff", sw=2, opacity=0.9)])
    return "".join([
        poligono([(cx - 20, cy - 3), (cx - 28, cy), (cx - 20, cy + 3)], INCHIOSTRO),
        ellisse(cx, cy, 21, 14, "#ffd21f"),
        rett(cx - 10, cy - 12, 6, 24, INCHIOSTRO, rx=3, stroke="none"),
        rett(cx + 3, cy - 12.5, 6, 25, INCHIOSTRO, rx=3, stroke="none"),
        cerchio(cx + 21, cy - 1, 9, "#3b2a20"),
        occhio(cx + 24, cy - 3, 3.5),
        tracciato("M%s %s q3 -10 8 -12" % (cx + 20, cy - 9), sw=2),
    ] + ali)


def ape_sul_fiore():
    petali = "".join(ellisse(0, 22, 9, 16, "#ff8fc8", sw=2,
                             transform="rotate(%d 0 22) translate(0 -14)" % a)
                     for a in range(0, 360, 60))
    return "".join([
        linea(0, 30, 0, 40, "#2e7d32", 4),
        petali,
        cerchio(0, 22, 9, "#ffb300", sw=2),
        _ape(-3, -8),
    ])


def ape_che_vola():
    scia = tracciato("M-42 30 q8 -14 16 -4 t16 -4", stroke="#fff8c0", sw=2.5,
                     stroke_dasharray="4 5")
    return scia + gruppo([_ape(0, 0, ali_alte=True)],
                         transform="translate(4 4) rotate(-15)")


# ---------------------------------------------------------------- tortoises

def _guscio(larghezza=38, alto=30, base=14):
    w, h = larghezza, alto
    guscio = "M%d %d C%d %d %d %d 0 %d C%d %d %d %d %d %d Z" % (
        -w, base, -w, base - h * 1.2, -w * 0.55, base - h - 4, base - h - 4,
        w * 0.55, base - h - 4, w, base - h * 1.2, w, base)
    macchie = "".join([
        poligono([(-9, base - 22), (9, base - 22), (13, base - 11), (0, base - 4),
                  (-13, base - 11)], "#c9a13b", sw=2),
        tracciato("M-13 %d L%d %d M13 %d L%d %d M-9 %d L-14 %d M9 %d L14 %d"
                  % (base - 11, -w + 4, base - 8, base - 11, w - 4, base - 8,
                     base - 22, base - h + 1, base - 22, base - h + 1), sw=2),
    ])
    return "".join([
        tracciato(guscio, fill="#7bb241"),
        macchie,
        rett(-w - 2, base - 2, 2 * w + 4, 8, "#8d6e2f", rx=4),
    ])


def tartaruga_chiusa():
    return gruppo([_guscio(42, 40, 22)], transform="translate(0 6)")


def tartaruga_fuori():
    zampa = "#a5d66b"
    return "".join([
        ellisse(-24, 28, 8, 8, zampa), ellisse(22, 28, 8, 8, zampa),
        poligono([(-36, 18), (-44, 24), (-34, 24)], zampa),
        ellisse(30, 2, 14, 12, zampa),
        ellisse(36, -12, 10, 11, zampa),
        gruppo([_guscio(34, 36, 22)], transform="translate(-4 0)"),
        cerchio(34, -14, 11, zampa),
        occhio(38, -17, 4),
        sorriso(37, -8, 7),
    ])


# ---------------------------------------------------------------- mice

def topolino(colore):
    interno = "#ffb3c7"
    return "".join([
        tracciato("M-30 22 C-44 20 -46 4 -38 0 S-40 -16 -30 -14", sw=2.5),
        ellisse(-4, 16, 30, 20, colore),
        cerchio(6, -20, 14, colore), cerchio(6, -20, 8, interno, stroke="none"),
        cerchio(30, -18, 14, colore), cerchio(30, -18, 8, interno, stroke="none"),
        ellisse(22, 0, 17, 15, colore),
        occhio(18, -4, 4), occhio(28, -4, 4),
        cerchio(39, 4, 4.5, "#ff6f91", sw=1.5),
        linea(30, 8, 44, 4, INCHIOSTRO, 1.2), linea(30, 10, 44, 12, INCHIOSTRO, 1.2),
        ellisse(-16, 35, 8, 4, interno, sw=2), ellisse(10, 35, 8, 4, interno, sw=2),
    ])


# ---------------------------------------------------------------- monkeys

def scimmietta():
    pelo, viso = "#c98a4b", "#f6d7a7"
    return "".join([
        tracciato("M-12 30 C-40 34 -44 8 -34 -2 C-28 -8 -22 -2 -28 4", sw=5,
                  stroke=scuro(pelo)),
        ellisse(0, 18, 20, 20, pelo),
        ellisse(0, 22, 11, 12, viso, stroke="none"),
        cerchio(-19, -18, 8, pelo), cerchio(19, -18, 8, pelo),
        cerchio(-19, -18, 4, viso, stroke="none"), cerchio(19, -18, 4, viso, stroke="none"),
        cerchio(0, -16, 18, pelo),
        ellisse(0, -11, 13, 11, viso, sw=1.5),
        occhio(-6, -17, 4), occhio(6, -17, 4),
        sorriso(0, -8, 9),
        ellisse(-12, 37, 8, 4, pelo), ellisse(12, 37, 8, 4, pelo),
        tracciato("M-14 8 Q-24 20 -12 26", stroke=INCHIOSTRO, sw=2.5),
        tracciato("M14 8 Q24 20 12 26", stroke=INCHIOSTRO, sw=2.5),
    ])


def scimpanze():
    pelo, viso = "#4a3426", "#e0bd92"
    return "".join([
        tracciato("M-26 -2 Q-42 16 -34 36", stroke=pelo, sw=11),
        tracciato("M26 -2 Q42 16 34 36", stroke=pelo, sw=11),
        ellisse(0, 14, 28, 26, pelo),
        ellisse(0, 18, 14, 14, scuro(viso, 0.9), stroke="none"),
        cerchio(-24, -20, 10, viso), cerchio(24, -20, 10, viso),
        cerchio(0, -20, 20, pelo),
        ellisse(0, -15, 15, 13, viso, sw=1.5),
        occhio(-6, -20, 4), occhio(6, -20, 4),
        ellisse(0, -8, 9, 5, chiaro(viso, 0.3), sw=1.5),
        sorriso(0, -9, 8),
        ellisse(-14, 38, 10, 4, pelo), ellisse(14, 38, 10, 4, pelo),
    ])


# ---------------------------------------------------------------- starfish

def stella_marina(colore):
    punti = stella_punti(0, 2, 44, 19)
    pallini = "".join(cerchio(26 * math.cos(math.radians(-90 + 72 * i)),
                              2 + 26 * math.sin(math.radians(-90 + 72 * i)),
                              3, chiaro(colore, 0.55), stroke="none")
                      for i in range(5))
    return "".join([
        poligono(punti, colore, sw=3),
        pallini,
        occhio(-6, -2, 4.5), occhio(6, -2, 4.5),
        sorriso(0, 8, 10),
    ])


# ---------------------------------------------------------------- penguins

def pinguino(berretto):
    parti = [
        ellisse(-10, 37, 10, 4, "#ff9f1a", sw=2), ellisse(10, 37, 10, 4, "#ff9f1a", sw=2),
        ellisse(-22, 12, 7, 17, "#263238", transform="rotate(20 -22 12)"),
        ellisse(22, 12, 7, 17, "#263238", transform="rotate(-20 22 12)"),
        ellisse(0, 10, 22, 28, "#263238"),
        ellisse(0, 16, 15, 20, "#ffffff", stroke="none"),
        cerchio(0, -16, 17, "#263238"),
        ellisse(-6, -14, 6, 7, "#ffffff", stroke="none"),
        ellisse(6, -14, 6, 7, "#ffffff", stroke="none"),
        occhio(-6, -14, 3.2), occhio(6, -14, 3.2),
        poligono([(-5, -6), (5, -6), (0, 1)], "#ff9f1a", sw=1.5),
    ]
    if berretto:
        parti += [
            tracciato("M-17 -22 C-17 -42 17 -42 17 -22 Z", fill="#e53935"),
            rett(-19, -26, 38, 7, "#ffffff", rx=3, sw=2),
            cerchio(0, -36, 4.5, "#ffffff", sw=2),
        ]
    return "".join(parti)


# ---------------------------------------------------------------- big animals

def rinoceronte():
    pelle = "#9ea7ad"
    return "".join([
        rett(-30, 14, 11, 24, pelle, rx=4), rett(12, 14, 11, 24, pelle, rx=4),
        tracciato("M-40 4 Q-46 0 -44 -6", sw=3),
        ellisse(-6, 6, 36, 22, pelle),
        rett(-20, 16, 11, 22, scuro(pelle, 0.9), rx=4),
        rett(2, 16, 11, 22, scuro(pelle, 0.9), rx=4),
        ellisse(26, -6, 17, 14, pelle),
        poligono([(33, -15), (44, -34), (42, -12)], "#f5ecd7"),
        poligono([(24, -18), (28, -28), (30, -17)], "#f5ecd7", sw=2),
        ellisse(14, -18, 5, 8, pelle, transform="rotate(-20 14 -18)"),
        occhio(22, -10, 3.5),
        sorriso(34, 1, 8),
    ])


def ippopotamo():
    pelle = "#b48cc8"
    return "".join([
        rett(-30, 14, 12, 24, pelle, rx=5), rett(10, 14, 12, 24, pelle, rx=5),
        ellisse(-6, 6, 36, 24, pelle),
        rett(-20, 16, 12, 22, scuro(pelle, 0.9), rx=5),
        rett(0, 16, 12, 22, scuro(pelle, 0.9), rx=5),
        ellisse(26, -4, 18, 18, pelle),
        ellisse(30, 4, 14, 12, chiaro(pelle, 0.35)),
        cerchio(26, 0, 2, INCHIOSTRO, stroke="none"), cerchio(35, 0, 2, INCHIOSTRO, stroke="none"),
        cerchio(14, -22, 5, pelle), cerchio(26, -23, 5, pelle),
        occhio(19, -12, 4), occhio(30, -12, 4),
        tracciato("M22 10 Q30 15 39 9", sw=2),
    ])


def elefante():
    pelle = "#8fa8c4"
    return "".join([
        rett(-28, 16, 12, 22, pelle, rx=4), rett(6, 16, 12, 22, pelle, rx=4),
        tracciato("M-40 0 Q-46 8 -42 14", sw=3),
        ellisse(-8, 6, 32, 24, pelle),
        rett(-18, 18, 12, 20, scuro(pelle, 0.9), rx=4),
        rett(-2, 18, 12, 20, scuro(pelle, 0.9), rx=4),
        cerchio(22, -12, 18, pelle),
        tracciato("M34 -6 C46 4 44 20 36 30 L30 26 C36 18 36 8 28 2 Z",
                  fill=pelle),
        ellisse(10, -10, 13, 17, scuro(pelle, 0.9)),
        occhio(26, -18, 3.8),
        tracciato("M30 6 Q31 10 34 9", sw=2, fill="#ffffff"),
    ])


def giraffa():
    pelle, macchia = "#f5c542", "#b7742a"
    return "".join([
        rett(-24, 12, 7, 28, pelle, rx=3), rett(-12, 12, 7, 28, pelle, rx=3),
        rett(2, 12, 7, 28, pelle, rx=3), rett(14, 12, 7, 28, pelle, rx=3),
        tracciato("M-28 4 Q-38 10 -36 20", sw=2.5),
        ellisse(-4, 6, 26, 14, pelle),
        tracciato("M10 2 L22 -24 L32 -22 L22 8 Z", fill=pelle),
        cerchio(-12, 4, 4, macchia, stroke="none"), cerchio(2, 10, 4, macchia, stroke="none"),
        cerchio(-2, 0, 3, macchia, stroke="none"), cerchio(16, -2, 3, macchia, stroke="none"),
        cerchio(22, -14, 3, macchia, stroke="none"),
        linea(23, -36, 21, -42, INCHIOSTRO, 2.5), linea(31, -36, 33, -42, INCHIOSTRO, 2.5),
        cerchio(21, -42, 2.5, macchia, sw=1.5), cerchio(33, -42, 2.5, macchia, sw=1.5),
        ellisse(32, -28, 14, 9, pelle, transform="rotate(15 32 -28)"),
        occhio(30, -31, 3.5),
        sorriso(38, -24, 6, 1.8),
    ])


# ---------------------------------------------------------------- ostriches

def struzzo_corre():
    zampa = "#f4a3a8"
    return "".join([
        tracciato("M-6 18 L-20 30 L-30 36", stroke=zampa, sw=4.5),
        tracciato("M4 18 L14 32 L26 34", stroke=zampa, sw=4.5),
        ellisse(-8, 6, 26, 17, "#3a3030"),
        tracciato("M-30 0 C-44 -10 -40 -18 -30 -12 C-38 -22 -26 -26 -24 -12 Z",
                  fill="#ffffff", sw=2),
        tracciato("M14 0 C22 -10 20 -24 26 -30", stroke=zampa, sw=6),
        ellisse(28, -32, 9, 7, zampa),
        poligono([(35, -34), (44, -31), (35, -28)], "#ffb74d", sw=1.5),
        occhio(29, -34, 3),
        linea(-40, -4, -46, -4, "#ffffff", 2), linea(-38, 8, -44, 8, "#ffffff", 2),
    ])


def struzzo_nasconde():
    zampa = "#f4a3a8"
    return gruppo([
        tracciato("M-12 14 L-16 38", stroke=zampa, sw=4.5),
        tracciato("M0 14 L2 38", stroke=zampa, sw=4.5),
        tracciato("M12 2 C22 6 26 14 28 24", stroke=zampa, sw=6),
        ellisse(-8, 0, 24, 17, "#3a3030", transform="rotate(20 -8 0)"),
        tracciato("M-26 -12 C-38 -28 -28 -34 -22 -22 C-24 -38 -12 -36 -16 -18 Z",
                  fill="#ffffff", sw=2),
        tracciato("M8 40 C12 14 44 14 48 40 Z", fill="#e8c77a"),
        cerchio(18, 32, 2, "#b8924a", stroke="none"),
        cerchio(36, 28, 2, "#b8924a", stroke="none"),
        cerchio(28, 36, 2, "#b8924a", stroke="none"),
    ], transform="translate(-4 0)")


# ---------------------------------------------------------------- poultry

def gallina():
    return "".join([
        linea(-4, 22, -6, 38, "#f5a400", 3.5), linea(8, 22, 8, 38, "#f5a400", 3.5),
        ellisse(-4, 8, 30, 20, "#fafafa"),
        poligono([(-30, 0), (-40, -12), (-26, -6)], "#fafafa"),
        ellisse(-8, 8, 14, 9, "#e3e3e3", sw=2),
        cerchio(20, -14, 13, "#fafafa"),
        tracciato("M14 -26 q2 -6 6 -2 q3 -5 6 0 q2 -2 0 4 Z", fill="#e53935", sw=1.5),
        poligono([(32, -16), (41, -12), (32, -8)], "#ffb300", sw=1.5),
        ellisse(30, -3, 3, 4, "#e53935", sw=1.2),
        occhio(23, -16, 3.5),
    ])


def gallo():
    corpo, coda = "#e0662a", "#1f6e5c"
    return "".join([
        linea(-2, 22, -4, 38, "#f5a400", 3.5), linea(10, 22, 10, 38, "#f5a400", 3.5),
        tracciato("M-22 4 C-40 -20 -46 -30 -30 -36 C-30 -20 -24 -10 -18 -4 Z", fill=coda),
        tracciato("M-24 8 C-46 0 -46 -16 -40 -22 C-36 -6 -28 0 -18 2 Z", fill="#2e8b57"),
        ellisse(-2, 10, 26, 18, corpo),
        ellisse(-6, 10, 13, 8, "#ffb74d", sw=2),
        tracciato("M12 4 C12 -10 16 -18 24 -22", stroke=corpo, sw=10),
        cerchio(24, -20, 12, corpo),
        tracciato("M14 -30 q1 -10 6 -4 q3 -10 7 -2 q5 -8 6 2 q2 0 -2 4 Z",
                  fill="#d50000", sw=1.5),
        poligono([(34, -22), (43, -18), (34, -14)], "#ffb300", sw=1.5),
        ellisse(32, -8, 4, 6, "#d50000", sw=1.2),
        occhio(26, -22, 3.5),
    ])


# ---------------------------------------------------------------- bats

PIPISTRELLO = "#9b7fd1"


def pipistrello_appeso():
    pelle, ala = PIPISTRELLO, "#7a5cb8"
    return "".join([
        linea(-5, -40, -4, -28, "#d9c9f5", 3), linea(5, -40, 4, -28, "#d9c9f5", 3),
        tracciato("M-16 -30 C-26 -4 -18 20 0 24 C18 20 26 -4 16 -30 Z", fill=ala),
        tracciato("M-8 -28 C-12 -6 -8 14 0 18 C8 14 12 -6 8 -28", sw=2),
        cerchio(0, 24, 13, pelle),
        poligono([(-12, 30), (-16, 42), (-5, 35)], pelle, sw=2),
        poligono([(12, 30), (16, 42), (5, 35)], pelle, sw=2),
        occhio(-5, 22, 4, (0, -1)), occhio(5, 22, 4, (0, -1)),
        tracciato("M-5 15 Q0 11 5 15", sw=2),
    ])


def pipistrello_vola():
    pelle, ala = PIPISTRELLO, "#7a5cb8"
    ali = ("M-8 -2 C-18 -16 -34 -18 -44 -8 C-38 -4 -36 4 -38 10 C-32 4 -26 6 -24 12 "
           "C-20 6 -14 6 -10 10 Z M8 -2 C18 -16 34 -18 44 -8 C38 -4 36 4 38 10 "
           "C32 4 26 6 24 12 C20 6 14 6 10 10 Z")
    return "".join([
        tracciato(ali, fill=ala),
        ellisse(0, 6, 11, 14, pelle),
        cerchio(0, -10, 11, pelle),
        poligono([(-9, -14), (-12, -28), (-3, -19)], pelle, sw=2),
        poligono([(9, -14), (12, -28), (3, -19)], pelle, sw=2),
        occhio(-4, -11, 3.5, (0, 0)), occhio(4, -11, 3.5, (0, 0)),
        sorriso(0, -4, 6, 1.8),
    ])


# ---------------------------------------------------------------- horses

def cavallo(fantino):
    pelo, criniera = "#a0622d", "#4e2a10"
    parti = [
        rett(-30, 8, 8, 30, pelo, rx=3), rett(14, 8, 8, 30, pelo, rx=3),
        tracciato("M-34 -2 C-44 2 -44 16 -40 22", stroke=criniera, sw=6),
        ellisse(-6, 4, 32, 16, pelo),
        rett(-20, 10, 8, 28, scuro(pelo, 0.9), rx=3),
        rett(4, 10, 8, 28, scuro(pelo, 0.9), rx=3),
        tracciato("M10 -6 C14 -18 18 -26 24 -30 L32 -24 C30 -14 28 -4 24 6 Z", fill=pelo),
        poligono([(22, -30), (23, -40), (29, -31)], pelo, sw=2),
        tracciato("M24 -32 C34 -30 44 -20 42 -14 C40 -8 34 -10 26 -16 Z", fill=pelo),
        ellisse(39, -14, 5, 4, scuro(pelo, 0.8), sw=1.5),
        tracciato("M23 -32 C16 -22 12 -12 10 -4", stroke=criniera, sw=5),
        occhio(29, -25, 3),
        rett(-34, 37, 12, 3, INCHIOSTRO, stroke="none"),
        rett(10, 37, 12, 3, INCHIOSTRO, stroke="none"),
    ]
    if fantino:
        parti += [
            rett(-12, -16, 16, 14, "#e53935", rx=5),
            tracciato("M-6 -4 L-2 8", stroke="#1e88e5", sw=5),
            tracciato("M2 -12 L14 -8", stroke="#e53935", sw=4),
            cerchio(-3, -25, 8, "#ffd5b0"),
            cerchio(-1, -24, 1.4, INCHIOSTRO, stroke="none"),
            cerchio(4, -24, 1.4, INCHIOSTRO, stroke="none"),
            tracciato("M-12 -26 C-12 -38 6 -38 6 -26 Z", fill="#1e88e5"),
            linea(4, -26, 10, -26, INCHIOSTRO, 2.5),
        ]
    else:
        parti.append(rett(-16, -13, 18, 7, "#1e88e5", rx=3, sw=2))
    return "".join(parti)


# ---------------------------------------------------------------- children

def _bambino(maglia, capelli, cx=0, cy=0):
    return "".join([
        rett(cx - 13, cy + 4, 26, 26, maglia, rx=9),
        cerchio(cx, cy - 12, 14, "#ffd5b0"),
        tracciato("M%s %s C%s %s %s %s %s %s Q%s %s %s %s Z" % (
            cx - 14, cy - 12, cx - 16, cy - 32, cx + 16, cy - 32, cx + 14, cy - 12,
            cx, cy - 20, cx - 14, cy - 12), fill=capelli),
        occhio(cx - 5, cy - 10, 2.8, (0, 0.4)), occhio(cx + 5, cy - 10, 2.8, (0, 0.4)),
        sorriso(cx, cy - 4, 7, 1.8),
    ])


def bambino_scrive():
    return "".join([
        rett(-16, 28, 9, 12, "#37474f", rx=2), rett(7, 28, 9, 12, "#37474f", rx=2),
        _bambino("#43a047", "#6d3f1f", 0, -4),
        rett(-40, 16, 80, 8, "#c48a4e", rx=2),
        rett(-40, 22, 6, 18, "#8d5a2b", stroke="none"),
        rett(34, 22, 6, 18, "#8d5a2b", stroke="none"),
        poligono([(-24, 16), (-20, 6), (4, 6), (2, 16)], "#ffffff", sw=2),
        linea(-18, 10, -2, 10, "#90a4ae", 1.5), linea(-19, 13, -6, 13, "#90a4ae", 1.5),
        linea(6, 14, 18, 0, "#ffb300", 4), linea(6, 14, 8, 12, INCHIOSTRO, 3),
        ellisse(12, 10, 6, 5, "#ffd5b0", sw=2),
    ])


def bambino_suona():
    return "".join([
        rett(-16, 26, 9, 14, "#37474f", rx=2), rett(7, 26, 9, 14, "#37474f", rx=2),
        _bambino("#e53935", "#f2b233", 0, -6),
        rett(-22, 12, 44, 22, "#29b6f6", rx=4),
        ellisse(0, 12, 22, 6, "#fff8e1"),
        tracciato("M-20 18 L-10 32 L0 18 L10 32 L20 18", stroke="#ffffff", sw=2),
        linea(-34, -8, -10, 10, "#8d5a2b", 3.5), cerchio(-10, 10, 3.5, "#ffe082", sw=1.5),
        linea(34, -8, 10, 10, "#8d5a2b", 3.5), cerchio(10, 10, 3.5, "#ffe082", sw=1.5),
    ])


# ---------------------------------------------------------------- cars

def automobile(portapacchi):
    parti = [
        tracciato("M-42 20 L-42 4 Q-40 -2 -32 -4 L-20 -6 L-10 -22 L18 -22 L30 -6 "
                  "L38 -4 Q44 -2 44 8 L44 20 Z", fill="#e53935"),
        poligono([(-7, -18), (3, -18), (3, -6), (-16, -6)], "#b3e5fc", sw=2),
        poligono([(7, -18), (16, -18), (25, -6), (7, -6)], "#b3e5fc", sw=2),
        rett(38, 2, 6, 5, "#fff176", sw=1.5), rett(-42, 4, 5, 5, "#ff8a65", sw=1.5),
        cerchio(-24, 22, 11, "#37474f"), cerchio(-24, 22, 4.5, "#cfd8dc", sw=1.5),
        cerchio(24, 22, 11, "#37474f"), cerchio(24, 22, 4.5, "#cfd8dc", sw=1.5),
    ]
    if portapacchi:
        parti += [
            rett(-18, -38, 14, 12, "#ffb300", rx=2, sw=2),
            rett(-2, -40, 20, 14, "#6d4c41", rx=2, sw=2),
            rett(3, -43, 10, 4, "#6d4c41", rx=1.5, sw=1.5),
            rett(-24, -27, 48, 4, "#607d8b", rx=1.5, sw=2),
            linea(-18, -23, -18, -22, INCHIOSTRO, 3), linea(18, -23, 18, -22, INCHIOSTRO, 3),
        ]
    return "".join(parti)


# ---------------------------------------------------------------- aircraft

def aeroplano():
    return "".join([
        poligono([(-38, -2), (-44, -26), (-32, -26), (-22, -4)], "#e53935"),
        tracciato("M-42 2 Q-42 -6 -30 -6 L28 -8 Q44 -6 44 2 Q44 10 28 10 L-32 10 "
                  "Q-42 10 -42 2 Z", fill="#fafafa"),
        tracciato("M32 -6 Q40 -6 42 0 L32 0 Z", fill="#4fc3f7", sw=2),
        "".join(cerchio(x, 1, 2.8, "#4fc3f7", sw=1.5) for x in (-20, -10, 0, 10, 20)),
        poligono([(-8, 4), (8, 4), (-6, 30), (-16, 30)], "#e53935"),
        poligono([(-36, 6), (-26, 6), (-34, 16), (-42, 16)], "#e53935", sw=2),
    ])


def elicottero():
    return "".join([
        linea(-26, -28, 36, -28, INCHIOSTRO, 4),
        rett(2, -28, 6, 8, "#607d8b", sw=2),
        tracciato("M-12 0 L-42 -6 L-42 4 L-12 10 Z", fill="#ffb300"),
        cerchio(-42, -2, 8, "none", sw=2.5), linea(-42, -10, -42, 6, INCHIOSTRO, 2.5),
        ellisse(8, 0, 24, 20, "#ffb300"),
        tracciato("M10 -16 Q30 -14 31 2 L12 2 Z", fill="#b3e5fc", sw=2),
        linea(-6, 20, -10, 28, INCHIOSTRO, 3), linea(18, 20, 22, 28, INCHIOSTRO, 3),
        linea(-20, 28, 34, 28, INCHIOSTRO, 3.5),
    ])


# ---------------------------------------------------------------- saucers

def _disco(luci):
    return "".join([
        ellisse(0, -6, 16, 14, "#b3e5fc", sw=2.5),
        cerchio(0, -8, 5, "#76ff03", sw=1.5), occhio(0, -9, 2.4, (0, 0)),
        ellisse(0, 4, 40, 11, "#b0bec5"),
        ellisse(0, 1, 28, 4, "#eceff1", stroke="none"),
    ] + [cerchio(x, 7, 3, c, sw=1.2) for x, c in zip((-26, -13, 0, 13, 26), luci)])


def disco_in_cielo():
    luci = ("#ff5252", "#ffeb3b", "#69f0ae", "#ffeb3b", "#ff5252")
    return "".join([
        tracciato("M-30 24 L-38 40 M30 24 L38 40 M0 26 L0 40", stroke="#fff59d",
                  sw=2, stroke_dasharray="3 5"),
        gruppo([_disco(luci)], transform="rotate(-10)"),
    ])


def disco_atterrato():
    luci = ("#ffeb3b",) * 5
    return "".join([
        linea(-24, 10, -32, 32, "#78909c", 3.5), linea(24, 10, 32, 32, "#78909c", 3.5),
        linea(0, 14, 0, 32, "#78909c", 3.5),
        rett(-38, 31, 12, 4, "#78909c", rx=2, sw=1.5),
        rett(26, 31, 12, 4, "#78909c", rx=2, sw=1.5),
        rett(-6, 31, 12, 4, "#78909c", rx=2, sw=1.5),
        _disco(luci),
    ])


# ---------------------------------------------------------------- tools

def sega():
    denti = " ".join("L%d %d L%d %d" % (x + 3, 18, x + 6, 12) for x in range(-16, 40, 6))
    return "".join([
        tracciato("M-16 -8 L42 4 L42 12 %s L-16 12 Z" % denti, fill="#cfd8dc"),
        tracciato("M-44 -14 Q-44 -22 -36 -22 L-18 -22 Q-12 -22 -12 -14 L-12 18 "
                  "Q-12 26 -20 26 L-36 26 Q-44 26 -44 18 Z", fill="#ff8f00"),
        rett(-36, -12, 16, 26, "#ffffff", rx=6, stroke=INCHIOSTRO, sw=2),
        cerchio(-12, -4, 2, INCHIOSTRO, stroke="none"),
        cerchio(-12, 6, 2, INCHIOSTRO, stroke="none"),
    ])


def martello():
    return "".join([
        gruppo([
            rett(-5, -16, 10, 56, "#c48a4e", rx=4),
            rett(-4, 24, 8, 14, "#ff8f00", rx=3, sw=2),
            tracciato("M-26 -34 L14 -34 Q22 -34 22 -26 L22 -16 L-26 -16 "
                      "Q-34 -20 -34 -25 Q-34 -30 -26 -34 Z", fill="#b0bec5"),
            rett(22, -32, 6, 14, "#90a4ae", rx=1, sw=2),
        ], transform="rotate(25)"),
    ])


# ---------------------------------------------------------------- fruit

def pera():
    return "".join([
        tracciato("M0 -30 C-10 -30 -10 -14 -16 -4 C-30 12 -22 38 0 38 "
                  "C22 38 30 12 16 -4 C10 -14 10 -30 0 -30 Z", fill="#cddc39"),
        ellisse(-8, 16, 5, 9, "#f0f4c3", stroke="none"),
        tracciato("M0 -30 Q2 -36 -2 -40", sw=3.5),
        tracciato("M2 -34 Q14 -44 22 -34 Q10 -28 2 -34 Z", fill="#43a047", sw=2),
    ])


def mela():
    return "".join([
        tracciato("M0 -18 C-16 -32 -38 -20 -36 4 C-34 28 -16 40 0 34 "
                  "C16 40 34 28 36 4 C38 -20 16 -32 0 -18 Z", fill="#e53935"),
        ellisse(-16, -4, 5, 9, "#ffab91", stroke="none"),
        tracciato("M0 -18 Q2 -30 -2 -36", sw=3.5),
        tracciato("M2 -30 Q14 -42 24 -32 Q12 -24 2 -30 Z", fill="#43a047", sw=2),
    ])


# ---------------------------------------------------------------- plates

def _piatto():
    return (cerchio(0, 0, 40, "#fafafa", sw=2.5)
            + cerchio(0, 0, 31, "#eceff1", stroke="#b0bec5", sw=1.5))


def piatto_pizza():
    salame = "".join(cerchio(x, y, 5, "#c62828", sw=1.5)
                     for x, y in ((-12, -10), (10, -14), (14, 8), (-10, 12), (2, -1)))
    basilico = "".join(ellisse(x, y, 4, 2.5, "#2e7d32", stroke="none",
                               transform="rotate(%d %d %d)" % (a, x, y))
                       for x, y, a in ((0, -18, 20), (-18, 2, -40), (4, 16, 60)))
    return "".join([
        _piatto(),
        cerchio(0, 0, 27, "#e0a040"),
        cerchio(0, 0, 22, "#e64a19", stroke="none"),
        tracciato("M-14 -6 Q-8 -16 2 -12 Q14 -8 12 4 Q8 16 -4 14 Q-16 10 -14 -6 Z",
                  fill="#fff3c4", stroke="none"),
        salame, basilico,
    ])


def piatto_spaghetti():
    fili = "".join(tracciato(d, stroke="#d99a0b", sw=2.2) for d in (
        "M-22 4 C-22 -18 18 -22 22 -2 C24 16 -8 24 -16 10",
        "M-18 -8 C-6 -22 20 -12 16 8 C12 20 -14 18 -12 2",
        "M-24 -4 C-16 24 20 22 24 0",
        "M-10 -20 C8 -26 24 -14 18 -2",
        "M-20 10 C-10 22 14 20 20 10",
        "M-14 -16 C-24 -2 -20 14 -6 18",
    ))
    return "".join([
        _piatto(),
        ellisse(0, 0, 26, 23, "#ffe082", stroke="#d99a0b", sw=2),
        fili,
        tracciato("M-14 -4 C-16 -18 12 -18 14 -4 C16 10 -12 12 -14 -4 Z", fill="#d32f2f",
                  sw=2),
        cerchio(-5, -6, 5, "#6d3f1f", sw=1.5), cerchio(6, 0, 4.5, "#6d3f1f", sw=1.5),
        tracciato("M-30 26 L-12 10", stroke="#90a4ae", sw=3.5),
    ])


# ---------------------------------------------------------------- dinosaurs

def dinosauro(colore):
    punte = "".join(poligono([(x - 5, y + 2), (x, y - 8), (x + 5, y + 2)], scuro(colore), sw=2)
                    for x, y in ((-16, -10), (-6, -13), (4, -12)))
    return "".join([
        tracciato("M-20 4 C-34 6 -40 14 -44 24 C-34 20 -26 18 -16 18 Z", fill=colore),
        rett(-20, 14, 10, 24, scuro(colore, 0.85), rx=4),
        rett(4, 14, 10, 24, scuro(colore, 0.85), rx=4),
        punte,
        ellisse(-4, 6, 24, 17, colore),
        rett(-12, 16, 10, 22, colore, rx=4), rett(12, 16, 10, 22, colore, rx=4),
        tracciato("M10 -4 C16 -16 18 -26 22 -30 L32 -26 C28 -18 24 -6 18 6 Z", fill=colore),
        ellisse(30, -30, 14, 10, colore),
        occhio(30, -33, 4),
        sorriso(36, -26, 8),
        ellisse(-6, 10, 12, 8, chiaro(colore, 0.55), stroke="none"),
    ])


# ---------------------------------------------------------------- mushrooms

def fungo(pallini):
    cappello = "#e53935" if pallini else "#a0622d"
    parti = [
        tracciato("M-14 4 Q-16 30 -18 38 L18 38 Q16 30 14 4 Z", fill="#fff3e0"),
        tracciato("M-42 8 C-42 -26 -22 -38 0 -38 C22 -38 42 -26 42 8 Z", fill=cappello),
        occhio(-6, 20, 3.5, (0, 0)), occhio(6, 20, 3.5, (0, 0)),
        sorriso(0, 27, 7, 1.8),
    ]
    if pallini:
        parti += [cerchio(x, y, r, "#ffffff", stroke="none")
                  for x, y, r in ((-24, -6, 6), (0, -26, 6), (22, -12, 7), (-6, -6, 4),
                                  (30, 2, 3.5), (-34, 2, 3.5), (-16, -24, 4))]
    else:
        parti.append(tracciato("M-30 -10 Q-20 -28 4 -32", stroke=chiaro(cappello, 0.4), sw=3))
    return "".join(parti)


# ---------------------------------------------------------------- ghosts

def fantasma(campana):
    corpo = ("M-28 34 L-28 -12 C-28 -46 28 -46 28 -12 L28 34 L19 27 L10 34 L0 27 "
             "L-10 34 L-19 27 Z")
    parti = [
        tracciato(corpo, fill="#f5f5ff", stroke="#9fa8da"),
        ellisse(-9, -14, 5, 7, INCHIOSTRO, stroke="none"),
        ellisse(9, -14, 5, 7, INCHIOSTRO, stroke="none"),
        ellisse(0, 2, 5, 6, "#5c6bc0", stroke="none"),
    ]
    if campana:
        parti += [
            ellisse(-30, 4, 7, 5, "#f5f5ff", stroke="#9fa8da", sw=2),
            tracciato("M26 -2 Q32 -8 37 -10", stroke="#9fa8da", sw=6),
            linea(38, -12, 38, -4, INCHIOSTRO, 3),
            tracciato("M28 12 C28 -8 48 -8 48 12 L51 22 L25 22 Z", fill="#ffca28"),
            rett(25, 20, 26, 3, "#ffa000", stroke="none"),
            cerchio(38, 26, 4, "#ffca28", sw=1.5),
        ]
        # The bell sticks out on the right: shift the ghost so the pair stays centred.
        return gruppo(parti, transform="translate(-8 0)")
    else:
        parti += [
            ellisse(-32, -2, 7, 5, "#f5f5ff", stroke="#9fa8da", sw=2,
                    transform="rotate(-40 -32 -2)"),
            ellisse(32, -2, 7, 5, "#f5f5ff", stroke="#9fa8da", sw=2,
                    transform="rotate(40 32 -2)"),
        ]
    return "".join(parti)


def onde_campana():
    return "".join([
        tracciato("M44 -2 Q48 8 44 18", stroke="#fff176", sw=2.5),
        tracciato("M49 -8 Q55 8 49 24", stroke="#fff176", sw=2.5),
    ])


# ---------------------------------------------------------------- flowers

def _stelo():
    return "".join([
        tracciato("M0 0 Q-4 20 0 40", stroke="#43a047", sw=4.5),
        tracciato("M-1 24 C-12 14 -24 18 -26 24 C-18 30 -8 28 -1 24 Z", fill="#66bb6a", sw=2),
        tracciato("M0 32 C10 22 22 24 24 28 C18 36 8 34 0 32 Z", fill="#66bb6a", sw=2),
    ])


def fiore(colore):
    petali = "".join(ellisse(0, -14, 9, 15, colore, sw=2,
                             transform="rotate(%d 0 -14) translate(0 -12)" % a)
                     for a in range(0, 360, 60))
    return _stelo() + petali + cerchio(0, -14, 9, "#ffca28", sw=2)


def margherita():
    petali = "".join(ellisse(0, -14, 5, 13, "#ffffff", sw=1.6,
                             transform="rotate(%d 0 -14) translate(0 -14)" % a)
                     for a in range(0, 360, 30))
    return _stelo() + petali + cerchio(0, -14, 9, "#ffc107", sw=2)


def rosa():
    return "".join([
        _stelo(),
        tracciato("M-4 8 L-8 6 M3 16 L7 13", sw=2),
        tracciato("M-20 -16 C-22 2 -10 6 0 6 C10 6 22 2 20 -16 C12 -8 -12 -8 -20 -16 Z",
                  fill="#c62828"),
        tracciato("M-16 -18 C-16 -36 16 -36 16 -18 C10 -8 -10 -8 -16 -18 Z", fill="#e53935"),
        tracciato("M-8 -22 C-8 -30 8 -30 8 -22 C4 -16 -6 -18 -4 -24", stroke="#8e0000", sw=2),
        tracciato("M-14 -12 C-8 -4 8 -4 14 -12", stroke="#8e0000", sw=2),
    ])


def scintille():
    return "".join(poligono(stella_punti(x, y, 6, 2.4, 4, -90), "#fff59d", stroke="none")
                   for x, y in ((-30, -32), (30, -28), (-34, 6), (34, 10)))


# ---------------------------------------------------------------- vases

def vaso_rotondo():
    return "".join([
        tracciato("M-10 -30 L-10 -18 C-36 -12 -40 26 -20 36 L20 36 C40 26 36 -12 10 -18 "
                  "L10 -30 Z", fill="#f48fb1"),
        rett(-15, -36, 30, 8, "#f48fb1", rx=3),
        tracciato("M-31 8 Q0 18 31 8", stroke="#ffffff", sw=3),
        "".join(cerchio(x, 0, 3, "#ffffff", stroke="none") for x in (-18, -6, 6, 18)),
    ])


def vaso_quadrato():
    return "".join([
        rett(-8, -30, 16, 12, "#4dd0e1", sw=2.5),
        rett(-13, -36, 26, 8, "#4dd0e1", rx=2),
        rett(-28, -18, 56, 54, "#4dd0e1", rx=2),
        rett(-28, 4, 56, 10, "#ffffff", stroke="none"),
        "".join(rett(x - 3, 6, 6, 6, "#4dd0e1", stroke="none") for x in (-16, -4, 8, 20)),
        rett(-28, -18, 56, 54, "none", rx=2),
    ])


# ---------------------------------------------------------------- lights

def _fiamma(cx, cy):
    return (tracciato("M%s %s C%s %s %s %s %s %s C%s %s %s %s %s %s Z" % (
        cx, cy, cx - 8, cy - 4, cx - 4, cy - 12, cx, cy - 20,
        cx + 4, cy - 12, cx + 8, cy - 4, cx, cy), fill="#ffb300", sw=2)
            + ellisse(cx, cy - 5, 2.5, 4, "#fff59d", stroke="none"))


def cero():
    return "".join([
        rett(-17, -20, 34, 58, "#fff8e1", rx=3),
        rett(-17, 4, 34, 6, "#ffca28", stroke="none"),
        rett(-17, 14, 34, 3, "#ffca28", stroke="none"),
        poligono(stella_punti(0, 24, 7, 3, 4, -90), "#e53935", sw=1.5),
        tracciato("M-10 -20 Q-10 -12 -8 -8", stroke="#e0d7b9", sw=2),
        linea(0, -20, 0, -24, INCHIOSTRO, 2),
        _fiamma(0, -22),
    ])


def candela():
    return "".join([
        tracciato("M-26 30 L26 30 Q26 40 0 40 Q-26 40 -26 30 Z", fill="#ffb300"),
        tracciato("M26 32 C42 28 42 16 30 18", stroke="#ffb300", sw=4),
        rett(-6, -10, 12, 40, "#4fc3f7", rx=2),
        tracciato("M-6 0 L6 6 M-6 12 L6 18 M-6 24 L6 30", stroke="#ffffff", sw=2),
        linea(0, -10, 0, -16, INCHIOSTRO, 2),
        _fiamma(0, -14),
    ])


def alone(cy):
    raggi = []
    for gradi in (-180, -135, -90, -45, 0):
        a = math.radians(gradi)
        raggi.append(linea(14 * math.cos(a), cy + 14 * math.sin(a),
                           21 * math.cos(a), cy + 21 * math.sin(a), "#fff176", 3))
    return "".join(raggi)


# ---------------------------------------------------------------- crustaceans

def granchio():
    guscio = "#ff8a2a"
    zampe = "".join(tracciato("M%d 6 L%d %d L%d %d" % (s * 18, s * 34, 4 + k * 8, s * 40, 14 + k * 9),
                              stroke=scuro(guscio), sw=4)
                    for s in (-1, 1) for k in range(3))
    return "".join([
        zampe,
        tracciato("M-18 -4 L-28 -20", stroke=guscio, sw=5),
        tracciato("M18 -4 L28 -20", stroke=guscio, sw=5),
        tracciato("M-28 -16 C-44 -18 -42 -40 -28 -38 L-30 -30 L-22 -30 C-18 -22 -22 -16 -28 -16 Z",
                  fill=guscio),
        tracciato("M28 -16 C44 -18 42 -40 28 -38 L30 -30 L22 -30 C18 -22 22 -16 28 -16 Z",
                  fill=guscio),
        ellisse(0, 8, 28, 18, guscio),
        linea(-6, -8, -8, -18, INCHIOSTRO, 2.5), linea(6, -8, 8, -18, INCHIOSTRO, 2.5),
        occhio(-8, -20, 4, (0, 0)), occhio(8, -20, 4, (0, 0)),
        sorriso(0, 10, 12),
    ])


def aragosta():
    guscio = "#d32f2f"
    segmenti = "".join(ellisse(-12 - 9 * i, 8, 6, 10 - i, guscio, sw=2) for i in range(3))
    zampe = "".join(linea(x, 14, x - 4, 24, scuro(guscio), 3) for x in (-2, 6, 14))
    return "".join([
        zampe,
        tracciato("M-36 8 L-46 -2 L-44 18 Z", fill=guscio, sw=2),
        segmenti,
        ellisse(8, 6, 20, 12, guscio),
        tracciato("M22 0 C30 -10 32 -20 26 -30", stroke="#ffab91", sw=1.8),
        tracciato("M24 4 C38 -4 42 -18 40 -34", stroke="#ffab91", sw=1.8),
        tracciato("M14 -4 L16 -20", stroke=guscio, sw=5),
        tracciato("M10 -18 C2 -30 14 -42 22 -34 L16 -30 L22 -24 C20 -16 14 -16 10 -18 Z",
                  fill=guscio),
        tracciato("M20 16 L30 24", stroke=guscio, sw=5),
        tracciato("M26 22 C34 16 46 22 42 32 L36 28 L34 36 C28 36 24 28 26 22 Z",
                  fill=guscio),
        occhio(18, -2, 3.5), occhio(24, 2, 3.5),
    ])


# ---------------------------------------------------------------- instruments

def chitarra():
    legno = "#f0a646"
    corpo = ("M0 -4 C-12 -6 -16 4 -12 10 C-24 14 -22 40 0 40 C22 40 24 14 12 10 "
             "C16 4 12 -6 0 -4 Z")
    return gruppo([
        rett(-3.5, -40, 7, 40, "#6d3f1f", rx=1),
        rett(-5, -44, 10, 9, "#4e2a10", rx=2),
        tracciato(corpo, fill=legno),
        cerchio(0, 14, 6, "#4e2a10", sw=2),
        rett(-7, 26, 14, 4, "#4e2a10", stroke="none"),
        linea(-1.5, -38, -1.5, 28, "#fff8e1", 1), linea(1.5, -38, 1.5, 28, "#fff8e1", 1),
    ], transform="rotate(-20) scale(1.12)")


def violino():
    legno = "#a5432a"
    corpo = ("M0 -14 C-10 -16 -14 -8 -11 -2 C-8 2 -8 6 -11 10 C-16 16 -14 32 0 32 "
             "C14 32 16 16 11 10 C8 6 8 2 11 -2 C14 -8 10 -16 0 -14 Z")
    return gruppo([
        linea(-30, 34, 30, -40, "#8d6e63", 2.5),
        linea(-27, 38, 33, -36, "#f5f5f5", 1.2),
        rett(-2.5, -40, 5, 28, INCHIOSTRO, rx=1, stroke="none"),
        cerchio(0, -42, 4, "#6d3f1f", sw=2),
        tracciato(corpo, fill=legno),
        tracciato("M-6 4 Q-8 8 -5 12 M6 4 Q8 8 5 12", stroke=INCHIOSTRO, sw=1.8),
        rett(-5, 15, 10, 3, INCHIOSTRO, stroke="none"),
        tracciato("M-4 24 L-6 31 L6 31 L4 24 Z", fill=INCHIOSTRO, stroke="none"),
        linea(-1, -38, -1, 20, "#fff8e1", 0.8), linea(1, -38, 1, 20, "#fff8e1", 0.8),
    ], transform="rotate(20) scale(1.1)")


def note_musicali():
    def nota(x, y):
        return (ellisse(x, y, 5, 3.5, "#6a1b9a", stroke="none", transform="rotate(-20 %d %d)" % (x, y))
                + linea(x + 4, y, x + 4, y - 16, "#6a1b9a", 2)
                + tracciato("M%d %d q6 2 6 8" % (x + 4, y - 16), stroke="#6a1b9a", sw=2))
    return nota(-36, -16) + nota(34, -20)
