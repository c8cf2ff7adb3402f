#!/usr/bin/env python3
"""Writes the thirty addition scenes data/scenes/a1.svg ... a30.svg.

Group A fills the two upper rows, group B the two lower rows, five objects a
row in reading order, so that any first n objects of a group look tidy and
the two groups stay apart. Run from anywhere: python3 tools/scenes/addizione.py
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import disegni_addizione as d  # noqa: E402

LARGHEZZA, ALTEZZA = 550, 530
COLONNE = (55, 165, 275, 385, 495)
RIGHE_A = (58, 163)
RIGHE_B = (367, 472)


def posizioni(righe):
    return [(x, y) for y in righe for x in COLONNE]


# Actions: every clip celebrates the finished sum without leaving its place,
# so the objects stay countable and never run into each other.
def salta(altezza=16, salti=2, ciclo=None, durata=None):
    return {"azione": "salta", "altezza": altezza, "salti": salti,
            "ciclo": ciclo, "durata": durata}


def pulsa(scala=1.15, ciclo=None, durata=None):
    return {"azione": "pulsa", "scala": scala, "ciclo": ciclo, "durata": durata}


def gira(gradi=360, durata=1.5, ciclo=None):
    return {"azione": "ruota", "gradi": gradi, "durata": durata, "ciclo": ciclo}


def aggiungi(dopo, ciclo=None, durata=None):
    return {"azione": "aggiungi", "dopo": dopo, "ciclo": ciclo, "durata": durata}


# ------------------------------------------------------------------ scenery

def _per_riga(righe, disegno):
    return "".join(disegno(y) for y in righe)


def fili(colore="#546e7a"):
    def disegna(y):
        return (d.linea(0, y + 38.5, LARGHEZZA, y + 38.5, colore, 2.5)
                + d.rett(2, y + 28, 8, 30, "#8d6e63", rx=2, sw=1.5)
                + d.rett(540, y + 28, 8, 30, "#8d6e63", rx=2, sw=1.5))
    return lambda righe: _per_riga(righe, disegna)


def rami(colore="#8d5a2b", foglie="#2e7d32", scarto=38.5):
    def disegna(y):
        yy = y + scarto
        return (d.tracciato("M0 %s Q140 %s 275 %s T550 %s" % (yy + 2, yy - 4, yy, yy + 2),
                            stroke=colore, sw=7)
                + d.ellisse(10, yy - 8, 10, 5, foglie, sw=1.5, transform="rotate(-30 10 %s)" % (yy - 8))
                + d.ellisse(540, yy - 8, 10, 5, foglie, sw=1.5, transform="rotate(30 540 %s)" % (yy - 8)))
    return lambda righe: _per_riga(righe, disegna)


def striscia(colore, sopra=34, spessore=12):
    def disegna(y):
        return d.rett(6, y + sopra, LARGHEZZA - 12, spessore, colore, rx=6, stroke="none")
    return lambda righe: _per_riga(righe, disegna)


def prato(colore):
    def disegna(y):
        ciuffi = "".join(d.tracciato("M%d %s l3 -8 l3 8 l3 -6 l2 6" % (x, y + 40), stroke=colore,
                                     sw=2) for x in (20, 110, 220, 330, 440, 520))
        return d.rett(6, y + 36, LARGHEZZA - 12, 10, colore, rx=5, stroke="none") + ciuffi
    return lambda righe: _per_riga(righe, disegna)


def mensole(colore="#a1887f", bordo="#5d4037"):
    def disegna(y):
        return (d.rett(8, y + 40, LARGHEZZA - 16, 8, colore, rx=2, stroke=bordo, sw=2)
                + "".join(d.tracciato("M%d %s l0 14 l10 -14" % (x, y + 48), fill=colore,
                                      stroke=bordo, sw=2) for x in (40, 500)))
    return lambda righe: _per_riga(righe, disegna)


def strada():
    def disegna(y):
        return (d.rett(0, y + 32, LARGHEZZA, 14, "#616161", stroke="none")
                + "".join(d.rett(x, y + 38, 24, 3, "#ffffff", stroke="none")
                          for x in range(8, LARGHEZZA, 48)))
    return lambda righe: _per_riga(righe, disegna)


def ghiaccio():
    def disegna(y):
        return d.tracciato("M10 %s Q8 %s 30 %s L520 %s Q542 %s 540 %s Z" % (
            y + 46, y + 36, y + 34, y + 34, y + 36, y + 46), fill="#b3e5fc", stroke="#81d4fa", sw=2)
    return lambda righe: _per_riga(righe, disegna)


def terra(colore, da=250):
    def disegna():
        return d.tracciato("M0 %d Q140 %d 275 %d T550 %d L550 %d L0 %d Z" % (
            da + 10, da - 14, da, da + 6, ALTEZZA, ALTEZZA), fill=colore, stroke="none")
    return disegna


def fondale():
    def disegna():
        onde = "".join(d.tracciato("M%d %d q15 -8 30 0 t30 0" % (x, y), stroke="#64b5f6", sw=2.5)
                       for x, y in ((40, 250), (250, 262), (440, 248), (150, 280), (360, 285)))
        return onde + d.tracciato("M0 522 Q140 512 275 520 T550 518 L550 530 L0 530 Z",
                                  fill="#e6c47a", stroke="none")
    return disegna


def niente():
    return lambda: ""


# Scenery drawn once per row runs under both groups' rows.
def su_tutte_le_righe(fn):
    return lambda: fn(RIGHE_A + RIGHE_B)


def solo_sopra(fn):
    return lambda: fn(RIGHE_A)


# ------------------------------------------------------------------ the catalog

SCENE = {
    1: ("66ffff", lambda: d.uccello("#1e88e5"), lambda: d.uccello("#fdd835"),
        su_tutte_le_righe(fili()), salta(), salta()),
    2: ("66ffff", lambda: d.uccello("#43a047"), lambda: d.uccello("#e53935"),
        su_tutte_le_righe(rami()), salta(ciclo="oscilla"), salta(ciclo="oscilla")),
    3: ("339900", d.ape_sul_fiore, d.ape_che_vola,
        niente(), pulsa(ciclo="oscilla"), salta(20, 2, ciclo="salta")),
    4: ("339900", d.tartaruga_chiusa, d.tartaruga_fuori,
        su_tutte_le_righe(prato("#256f00")), pulsa(), salta(ciclo="oscilla")),
    5: ("CC6600", lambda: d.topolino("#7cd4ff"), lambda: d.topolino("#b0b0b0"),
        su_tutte_le_righe(striscia("#a65200", 36, 8)), salta(), salta()),
    6: ("339900", d.scimmietta, d.scimpanze,
        su_tutte_le_righe(rami("#6d3f1f", "#1b5e20", 40)), salta(ciclo="oscilla"),
        salta(ciclo="oscilla")),
    7: ("0000CC", lambda: d.stella_marina("#ff9800"), lambda: d.stella_marina("#e53935"),
        fondale(), gira(), gira()),
    8: ("fffff0", lambda: d.pinguino(True), lambda: d.pinguino(False),
        su_tutte_le_righe(ghiaccio()), salta(ciclo="oscilla"), salta(ciclo="oscilla")),
    9: ("006600", d.rinoceronte, d.ippopotamo,
        su_tutte_le_righe(prato("#004d00")), salta(), salta()),
    10: ("006600", d.elefante, d.giraffa,
         su_tutte_le_righe(prato("#004d00")), salta(ciclo="oscilla"), salta(ciclo="oscilla")),
    11: ("CCCC00", d.struzzo_corre, d.struzzo_nasconde,
         su_tutte_le_righe(striscia("#e8c77a", 36, 8)), salta(), pulsa(ciclo="oscilla")),
    12: ("339933", d.gallina, d.gallo,
         su_tutte_le_righe(prato("#1f6e1f")), salta(), salta(ciclo="oscilla")),
    13: ("000000", d.pipistrello_appeso, d.pipistrello_vola,
         solo_sopra(rami("#8d6e63", "#33691e", -39)), pulsa(ciclo="oscilla"),
         salta(ciclo="salta")),
    14: ("669900", lambda: d.cavallo(True), lambda: d.cavallo(False),
         su_tutte_le_righe(prato("#4d7300")), salta(), salta()),
    15: ("99CCFF", d.bambino_scrive, d.bambino_suona,
         su_tutte_le_righe(striscia("#7aa7d6", 38, 8)), salta(),
         aggiungi(d.note_musicali(), ciclo="oscilla")),
    16: ("CCCCCC", lambda: d.automobile(False), lambda: d.automobile(True),
         su_tutte_le_righe(strada()), salta(10, 3), salta(10, 3)),
    17: ("99FFFF", d.aeroplano, d.elicottero,
         niente(), gira(360, 2.0), salta(ciclo="oscilla")),
    18: ("0066CC", d.disco_in_cielo, d.disco_atterrato,
         terra("#2e7d32"), pulsa(ciclo="oscilla"), salta(ciclo="pulsa")),
    19: ("000099", d.sega, d.martello,
         su_tutte_le_righe(mensole("#bcaaa4", "#4e342e")), salta(), gira()),
    20: ("ffffcc", d.pera, d.mela,
         su_tutte_le_righe(mensole()), pulsa(ciclo="oscilla"), salta(ciclo="oscilla")),
    21: ("99CCFF", d.piatto_pizza, d.piatto_spaghetti,
         niente(), gira(), gira()),
    22: ("99CCFF", lambda: d.dinosauro("#66bb6a"), lambda: d.dinosauro("#ff9800"),
         su_tutte_le_righe(prato("#5b8fc7")), salta(), salta()),
    23: ("009900", lambda: d.fungo(True), lambda: d.fungo(False),
         su_tutte_le_righe(prato("#006400")), pulsa(ciclo="oscilla"), salta()),
    24: ("000066", lambda: d.fantasma(True), lambda: d.fantasma(False),
         niente(), aggiungi(d.onde_campana(), ciclo="oscilla"), salta(ciclo="salta")),
    25: ("000066", lambda: d.fiore("#ffffff"), lambda: d.fiore("#e53935"),
         niente(), pulsa(ciclo="oscilla"), pulsa(ciclo="oscilla")),
    26: ("000066", d.vaso_rotondo, d.vaso_quadrato,
         su_tutte_le_righe(mensole("#bcaaa4", "#d7ccc8")), salta(), salta()),
    27: ("000066", d.margherita, d.rosa,
         niente(), aggiungi(d.scintille(), ciclo="oscilla"),
         aggiungi(d.scintille(), ciclo="oscilla")),
    28: ("000066", d.cero, d.candela,
         su_tutte_le_righe(mensole("#bcaaa4", "#d7ccc8")),
         aggiungi(d.alone(-32), ciclo="pulsa"), aggiungi(d.alone(-24), ciclo="pulsa")),
    29: ("000066", d.granchio, d.aragosta,
         fondale(), salta(ciclo="oscilla"), salta(ciclo="oscilla")),
    30: ("FFCC99", d.chitarra, d.violino,
         niente(), aggiungi(d.note_musicali(), ciclo="oscilla"),
         aggiungi(d.note_musicali(), ciclo="oscilla")),
}


def attributi(azione):
    parti = ['c:azione="%s"' % azione["azione"]]
    for chiave in ("altezza", "salti", "gradi", "scala", "dx", "dy", "opacita", "durata",
                   "ciclo", "ampiezza"):
        valore = azione.get(chiave)
        if valore is not None:
            parti.append('c:%s="%s"' % (chiave, d.numero(valore)))
    return " ".join(parti)


def clip(nome, posizione, disegno, azione):
    x, y = posizione
    uso = '<use xlink:href="#%s" transform="translate(%d %d)"/>'
    righe = ['  <g id="%s" %s>' % (nome, attributi(azione)),
             '    <g id="%s-prima">%s</g>' % (nome, uso % (disegno, x, y))]
    if "dopo" in azione:
        righe.append('    <g id="%s-dopo">%s</g>' % (nome, uso % (disegno + "-festa", x, y)))
    righe.append("  </g>")
    return "\n".join(righe)


def scena(numero):
    # c:sfondo only colours previews: the exercise screen gives the real background.
    colore, disegno_a, disegno_b, scenario, azione_a, azione_b = SCENE[numero]
    defs = ['    <g id="oggetto-a">%s</g>' % disegno_a(),
            '    <g id="oggetto-b">%s</g>' % disegno_b()]
    for lettera, azione in (("a", azione_a), ("b", azione_b)):
        if "dopo" in azione:
            defs.append('    <g id="oggetto-%s-festa">%s</g>' % (lettera, azione["dopo"]))
    righe = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        '<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink"'
        ' xmlns:c="urn:calcolotti:scena"',
        '     viewBox="0 0 %d %d" width="%d" height="%d" c:sfondo="%s">' % (
            LARGHEZZA, ALTEZZA, LARGHEZZA, ALTEZZA, colore),
        "  <defs>", *defs, "  </defs>",
        '  <g id="scenario">%s</g>' % scenario(),
    ]
    for i, pos in enumerate(posizioni(RIGHE_A), 1):
        righe.append(clip("a%d" % i, pos, "oggetto-a", azione_a))
    for i, pos in enumerate(posizioni(RIGHE_B), 1):
        righe.append(clip("b%d" % i, pos, "oggetto-b", azione_b))
    righe.append("</svg>")
    return "\n".join(righe) + "\n"


def main():
    radice = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    cartella = os.path.join(radice, "data", "scenes")
    os.makedirs(cartella, exist_ok=True)
    for numero in sorted(SCENE):
        with open(os.path.join(cartella, "a%d.svg" % numero), "w", encoding="utf-8") as f:
            f.write(scena(numero))


if __name__ == "__main__":
    main()
