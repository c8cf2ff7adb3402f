#!/usr/bin/env python3
"""Writes the 23 subtraction scenes data/scenes/b1.svg ... b23.svg.

Every scene draws one object (and, where the story needs it, the object after
its action and a fixed base under it) once in <defs>, then places ten copies
a1 ... a10 in reading order. Run from the repository's root:
    python3 tools/scenes/sottrazione.py
"""

import os

LARGHEZZA, ALTEZZA = 550, 530
TRATTO = 'stroke="#2b2b2b" stroke-width="2.5" stroke-linejoin="round" stroke-linecap="round"'


def griglia(w, h, oy):
    """Two rows of five: cells 110 x 265, the object centred across its cell."""
    posti = []
    for riga in range(2):
        for colonna in range(5):
            posti.append((colonna * 110 + (110 - w) / 2, riga * 265 + oy))
    return posti


def righe(ox, oy):
    """Five rows of two: cells 275 x 106, for objects that travel to the right."""
    posti = []
    for riga in range(5):
        for colonna in range(2):
            posti.append((colonna * 275 + ox, riga * 106 + oy))
    return posti


def strisce(colore, y, h, bordo=None):
    """A band across the canvas in each of the two rows (ground, shelf, water)."""
    extra = f' stroke="{bordo}" stroke-width="2"' if bordo else ''
    return ''.join(f'<rect x="0" y="{riga * 265 + y}" width="{LARGHEZZA}" height="{h}" fill="{colore}"{extra}/>'
                   for riga in range(2))


def piccolo(disegno):
    return f'<g transform="scale(0.9)">{disegno}</g>'


# Drawings, each in its own box with the origin at its top left.

LOCOMOTIVA = f'''
<rect x="8" y="6" width="30" height="40" rx="3" fill="#2f6fdf" {TRATTO}/>
<rect x="14" y="12" width="18" height="14" rx="2" fill="#cfefff" {TRATTO}/>
<rect x="4" y="2" width="38" height="7" rx="2" fill="#1d3f8f" {TRATTO}/>
<rect x="36" y="20" width="50" height="26" rx="10" fill="#e8332a" {TRATTO}/>
<rect x="70" y="6" width="10" height="16" fill="#444" {TRATTO}/>
<rect x="66" y="2" width="18" height="6" rx="2" fill="#444" {TRATTO}/>
<rect x="52" y="14" width="10" height="8" rx="4" fill="#ffd23f" {TRATTO}/>
<polygon points="86,34 98,50 86,50" fill="#ffd23f" {TRATTO}/>
<rect x="4" y="44" width="86" height="6" fill="#333"/>
<circle cx="20" cy="56" r="11" fill="#333" {TRATTO}/><circle cx="20" cy="56" r="4" fill="#ffd23f"/>
<circle cx="50" cy="58" r="8" fill="#333" {TRATTO}/><circle cx="50" cy="58" r="3" fill="#ffd23f"/>
<circle cx="74" cy="58" r="8" fill="#333" {TRATTO}/><circle cx="74" cy="58" r="3" fill="#ffd23f"/>
'''
FUMO = '''
<circle cx="72" cy="-6" r="8" fill="#ffffff" stroke="#999" stroke-width="1.5"/>
<circle cx="60" cy="-14" r="10" fill="#ffffff" stroke="#999" stroke-width="1.5"/>
<circle cx="44" cy="-18" r="8" fill="#ffffff" stroke="#999" stroke-width="1.5"/>
'''
BINARIO = ''.join(f'<rect x="{x}" y="66" width="8" height="8" fill="#8a5a2b"/>' for x in range(-6, 252, 18)) + \
    '<rect x="-8" y="66" width="262" height="3" fill="#555"/>'


def elefante(tromba_su=False, colore="#a9bcd0"):
    if tromba_su:
        tromba = f'<path d="M80,38 C92,34 96,22 92,8" fill="none" stroke="#2b2b2b" stroke-width="12" stroke-linecap="round"/>' \
                 f'<path d="M80,38 C92,34 96,22 92,8" fill="none" stroke="{colore}" stroke-width="7" stroke-linecap="round"/>'
    else:
        tromba = f'<path d="M82,42 C92,50 92,64 86,74" fill="none" stroke="#2b2b2b" stroke-width="12" stroke-linecap="round"/>' \
                 f'<path d="M82,42 C92,50 92,64 86,74" fill="none" stroke="{colore}" stroke-width="7" stroke-linecap="round"/>'
    return f'''
<path d="M8,54 L2,66" stroke="#2b2b2b" stroke-width="3" fill="none"/>
<rect x="14" y="62" width="12" height="26" rx="4" fill="{colore}" {TRATTO}/>
<rect x="50" y="62" width="12" height="26" rx="4" fill="{colore}" {TRATTO}/>
<ellipse cx="38" cy="54" rx="32" ry="23" fill="{colore}" {TRATTO}/>
<rect x="28" y="62" width="12" height="26" rx="4" fill="{colore}" {TRATTO}/>
<rect x="60" y="60" width="12" height="28" rx="4" fill="{colore}" {TRATTO}/>
{tromba}
<circle cx="72" cy="36" r="17" fill="{colore}" {TRATTO}/>
<ellipse cx="60" cy="38" rx="11" ry="15" fill="#f2a7b8" {TRATTO}/>
<circle cx="76" cy="30" r="3.2" fill="#2b2b2b"/><circle cx="77" cy="29" r="1" fill="#fff"/>
<path d="M84,44 q6,2 8,-3" fill="#fff" stroke="#2b2b2b" stroke-width="1.5"/>
'''


GONNELLINO = '<path d="M14,56 L20,68 L26,56 L32,68 L38,56 L44,68 L50,56 L56,68 L62,56 L60,48 L16,48 Z" ' \
             'fill="#ff77c8" stroke="#2b2b2b" stroke-width="2" stroke-linejoin="round"/>'
NOTE = '''
<g fill="#2b2b2b"><ellipse cx="8" cy="14" rx="5" ry="4"/><rect x="11" y="-6" width="2.5" height="20"/>
<ellipse cx="22" cy="4" rx="5" ry="4"/><rect x="25" y="-16" width="2.5" height="20"/>
<rect x="11" y="-6" width="16.5" height="3" transform="rotate(-30 11 -6)"/></g>
'''


def palla(cx, cy, r=13):
    return f'''
<circle cx="{cx}" cy="{cy}" r="{r}" fill="#ffffff" {TRATTO}/>
<path d="M{cx},{cy - r} A{r},{r} 0 0 1 {cx + r},{cy} L{cx},{cy} Z" fill="#e8332a"/>
<path d="M{cx},{cy + r} A{r},{r} 0 0 1 {cx - r},{cy} L{cx},{cy} Z" fill="#2f6fdf"/>
<path d="M{cx - r},{cy} A{r},{r} 0 0 1 {cx},{cy - r} L{cx},{cy} Z" fill="#ffd23f"/>
<circle cx="{cx}" cy="{cy}" r="{r}" fill="none" {TRATTO}/>
'''


UOVO_PASQUA = f'''
<path d="M35,2 C60,2 72,48 70,66 C68,86 52,96 35,96 C18,96 2,86 0,66 C-2,48 10,2 35,2 Z" fill="#9b59d0" {TRATTO}/>
<path d="M3,44 L13,36 L23,44 L35,36 L47,44 L57,36 L67,44" fill="none" stroke="#ffd23f" stroke-width="5" stroke-linejoin="round"/>
<path d="M1,64 L69,64" stroke="#ff77c8" stroke-width="6"/>
<circle cx="20" cy="80" r="4" fill="#ffffff"/><circle cx="35" cy="84" r="4" fill="#ffffff"/><circle cx="50" cy="80" r="4" fill="#ffffff"/>
<circle cx="26" cy="20" r="3.5" fill="#ffffff"/><circle cx="44" cy="20" r="3.5" fill="#ffffff"/>
'''
UOVO_PASQUA_APERTO = f'''
<path d="M0,58 L10,50 L18,58 L27,50 L35,58 L43,50 L52,58 L60,50 L70,58 C70,86 52,96 35,96 C18,96 0,86 0,58 Z" fill="#9b59d0" {TRATTO}/>
<path d="M1,64 L69,64" stroke="#ff77c8" stroke-width="6"/>
<circle cx="20" cy="80" r="4" fill="#ffffff"/><circle cx="35" cy="84" r="4" fill="#ffffff"/><circle cx="50" cy="80" r="4" fill="#ffffff"/>
<circle cx="35" cy="40" r="16" fill="#ffe14a" {TRATTO}/>
<circle cx="30" cy="37" r="2.5" fill="#2b2b2b"/><circle cx="41" cy="37" r="2.5" fill="#2b2b2b"/>
<polygon points="33,43 39,43 36,48" fill="#ff9a1f" stroke="#2b2b2b" stroke-width="1.5"/>
<g transform="rotate(-25 10 10)">
<path d="M12,6 C30,-6 50,-4 64,12 L56,18 L48,12 L40,18 L32,12 L24,18 L16,12 Z" fill="#9b59d0" {TRATTO}/>
<circle cx="38" cy="4" r="3.5" fill="#ffffff"/></g>
'''


def gambo():
    return f'''
<path d="M45,40 C43,70 48,95 45,130" fill="none" stroke="#2e7d32" stroke-width="6" stroke-linecap="round"/>
<path d="M46,82 C60,70 72,74 76,80 C66,90 54,90 46,82 Z" fill="#43a047" {TRATTO}/>
<path d="M45,104 C30,94 18,98 14,104 C24,114 36,114 45,104 Z" fill="#43a047" {TRATTO}/>
'''


BOCCIOLO = f'''
<path d="M45,8 C58,18 60,34 45,46 C30,34 32,18 45,8 Z" fill="#e0245e" {TRATTO}/>
<path d="M34,34 L45,50 L56,34 L50,44 L45,36 L40,44 Z" fill="#43a047" {TRATTO}/>
'''
ROSA = f'''
<circle cx="45" cy="30" r="28" fill="#e0245e" {TRATTO}/>
<path d="M22,22 C30,8 60,8 68,22" fill="none" stroke="#a3123f" stroke-width="3"/>
<circle cx="45" cy="30" r="17" fill="#f0477a" {TRATTO}/>
<path d="M38,30 C38,20 54,20 52,30 C50,38 40,36 42,29" fill="none" stroke="#a3123f" stroke-width="3"/>
<path d="M34,52 L45,62 L56,52" fill="#43a047" {TRATTO}/>
'''


def fiamma(cx, cy, s=1.0):
    return f'''
<circle cx="{cx}" cy="{cy - 8 * s}" r="{20 * s}" fill="#fff0a0" opacity="0.35"/>
<circle cx="{cx}" cy="{cy - 8 * s}" r="{14 * s}" fill="#fff7c8" opacity="0.6"/>
<path d="M{cx},{cy - 26 * s} C{cx + 12 * s},{cy - 8 * s} {cx + 9 * s},{cy + 4 * s} {cx},{cy + 4 * s} C{cx - 9 * s},{cy + 4 * s} {cx - 12 * s},{cy - 8 * s} {cx},{cy - 26 * s} Z" fill="#ff9a1f" stroke="#c85a00" stroke-width="1.5"/>
<path d="M{cx},{cy - 14 * s} C{cx + 5 * s},{cy - 4 * s} {cx + 4 * s},{cy + 2 * s} {cx},{cy + 2 * s} C{cx - 4 * s},{cy + 2 * s} {cx - 5 * s},{cy - 4 * s} {cx},{cy - 14 * s} Z" fill="#fff07a"/>
'''


CERO = f'''
<rect x="22" y="30" width="46" height="100" rx="4" fill="#fff6dc" {TRATTO}/>
<rect x="22" y="66" width="46" height="12" fill="#e8c24a" {TRATTO}/>
<path d="M45,88 L45,112 M36,96 L54,96" stroke="#c0392b" stroke-width="5" stroke-linecap="round"/>
<path d="M45,30 L45,20" stroke="#2b2b2b" stroke-width="3"/>
<path d="M8,130 L82,130 L74,142 L16,142 Z" fill="#e8c24a" {TRATTO}/>
'''

RUBINETTO = f'''
<rect x="0" y="20" width="30" height="18" fill="#b0bec5" {TRATTO}/>
<path d="M28,18 L70,18 C82,18 86,26 86,36 L86,46 L72,46 L72,38 C72,34 70,32 66,32 L28,32 Z" fill="#cfd8dc" {TRATTO}/>
<rect x="44" y="10" width="8" height="10" fill="#90a4ae" {TRATTO}/>
'''
MANIGLIA_CHIUSA = f'<rect x="30" y="2" width="36" height="10" rx="5" fill="#e8332a" {TRATTO}/>'
MANIGLIA_APERTA = f'<rect x="43" y="-14" width="10" height="26" rx="5" fill="#e8332a" {TRATTO}/>'
ACQUA_RUBINETTO = '''
<rect x="71" y="46" width="16" height="70" rx="6" fill="#8fe3ff" stroke="#ffffff" stroke-width="2"/>
<path d="M60,112 C66,102 92,102 98,112" fill="none" stroke="#ffffff" stroke-width="3"/>
<ellipse cx="79" cy="116" rx="14" ry="4" fill="#8fe3ff" stroke="#ffffff" stroke-width="2"/>
<circle cx="62" cy="108" r="3" fill="#8fe3ff"/><circle cx="96" cy="106" r="3" fill="#8fe3ff"/>
'''
LAVANDINO = f'''
<path d="M46,118 L108,118 L102,140 C98,150 56,150 52,140 Z" fill="#ffffff" {TRATTO}/>
<rect x="72" y="148" width="10" height="40" fill="#b0bec5" {TRATTO}/>
'''


def vasca(piena):
    interno = ('<path d="M2,32 C2,14 98,14 98,32 Z" fill="#3aa0ff" stroke="#1c6fc2" stroke-width="2.5"/>'
               '<circle cx="20" cy="26" r="7" fill="#e6f7ff" stroke="#7fb8e0" stroke-width="1.5"/>'
               '<circle cx="32" cy="22" r="9" fill="#e6f7ff" stroke="#7fb8e0" stroke-width="1.5"/>'
               '<circle cx="68" cy="24" r="8" fill="#e6f7ff" stroke="#7fb8e0" stroke-width="1.5"/>'
               '<circle cx="80" cy="27" r="6" fill="#e6f7ff" stroke="#7fb8e0" stroke-width="1.5"/>'
               '<path d="M14,22 q8,-5 16,0 q8,5 16,0 q8,-5 16,0 q8,5 16,0" fill="none" stroke="#bfe6ff" stroke-width="2.5"/>') if piena else \
              ('<ellipse cx="50" cy="31" rx="47" ry="7" fill="#f4f4f4" stroke="#2b2b2b" stroke-width="2"/>'
               '<ellipse cx="50" cy="33" rx="5" ry="2" fill="#555"/>')
    return f'''
<rect x="82" y="0" width="6" height="30" fill="#b0bec5" {TRATTO}/>
<path d="M70,2 L88,2" stroke="#2b2b2b" stroke-width="5" stroke-linecap="round"/>
<path d="M0,30 L100,30 L94,62 C92,70 86,72 80,72 L20,72 C14,72 8,70 6,62 Z" fill="#ff9fb4" {TRATTO}/>
{interno}
<path d="M16,72 L12,84 L22,84 L26,72 M74,72 L78,84 L88,84 L84,72" fill="#e8c24a" {TRATTO}/>
'''


GOCCIA = f'''
<path d="M20,0 C30,18 40,28 40,40 C40,52 31,60 20,60 C9,60 0,52 0,40 C0,28 10,18 20,0 Z" fill="#8fe3ff" stroke="#ffffff" stroke-width="3"/>
<ellipse cx="12" cy="38" rx="4" ry="8" fill="#ffffff"/>
'''
POZZANGHERA = '<ellipse cx="20" cy="218" rx="30" ry="9" fill="#5fb4ff" stroke="#ffffff" stroke-width="2"/>'


MARZIANO = f'''
<path d="M28,12 L22,0 M52,12 L58,0" stroke="#2b2b2b" stroke-width="3"/>
<circle cx="22" cy="0" r="4" fill="#ff4fa0" {TRATTO}/><circle cx="58" cy="0" r="4" fill="#ff4fa0" {TRATTO}/>
<path d="M18,40 C18,18 62,18 62,40 Z" fill="#d8f4ff" fill-opacity="0.6" {TRATTO}/>
<circle cx="40" cy="24" r="14" fill="#7bd64a" {TRATTO}/>
<circle cx="40" cy="22" r="6" fill="#ffffff" {TRATTO}/><circle cx="41" cy="22" r="3" fill="#2b2b2b"/>
<path d="M34,31 q6,4 12,0" fill="none" stroke="#2b2b2b" stroke-width="2"/>
<ellipse cx="40" cy="44" rx="40" ry="11" fill="#b0bec5" {TRATTO}/>
<ellipse cx="40" cy="41" rx="24" ry="5" fill="#90a4ae"/>
<circle cx="14" cy="46" r="3" fill="#ffd23f"/><circle cx="40" cy="50" r="3" fill="#ffd23f"/><circle cx="66" cy="46" r="3" fill="#ffd23f"/>
'''
RAGGIO_MARZIANO = '<path d="M26,56 L18,80 L62,80 L54,56 Z" fill="#fff3a0" opacity="0.8"/>'
PIAZZOLA = '<ellipse cx="40" cy="70" rx="40" ry="9" fill="#3b4a6b" stroke="#ffd23f" stroke-width="2.5" stroke-dasharray="6 5"/>'


LEGNO = f'''
<rect x="0" y="120" width="90" height="38" rx="3" fill="#b5763c" {TRATTO}/>
<path d="M8,132 C30,128 50,136 82,130 M8,146 C34,142 56,150 82,144" fill="none" stroke="#7a4a1e" stroke-width="2"/>
'''
CHIODO = f'''
<rect x="24" y="20" width="42" height="12" rx="4" fill="#9aa5ad" {TRATTO}/>
<path d="M38,32 L52,32 L52,104 L45,120 L38,104 Z" fill="#c3ccd2" {TRATTO}/>
<path d="M42,36 L42,100" stroke="#ffffff" stroke-width="2.5"/>
'''
CHIODO_PIANTATO = f'''
<rect x="24" y="108" width="42" height="12" rx="4" fill="#9aa5ad" {TRATTO}/>
<path d="M16,104 L8,96 M74,104 L82,96 M45,100 L45,88 M28,100 L22,90 M62,100 L68,90" stroke="#ffffff" stroke-width="3" stroke-linecap="round"/>
'''


MELA = f'''
<path d="M45,30 C30,18 6,24 6,52 C6,78 26,96 38,92 C42,90 48,90 52,92 C64,96 84,78 84,52 C84,24 60,18 45,30 Z" fill="#e8332a" {TRATTO}/>
<path d="M45,30 C44,20 46,12 50,6" fill="none" stroke="#6d4c2e" stroke-width="4" stroke-linecap="round"/>
<path d="M50,14 C58,4 70,6 74,10 C66,18 56,18 50,14 Z" fill="#43a047" {TRATTO}/>
<ellipse cx="24" cy="46" rx="5" ry="9" fill="#ff9c8f"/>
'''
MELA_TAGLIATA = f'''
<path d="M38,36 C24,30 2,38 2,60 C2,82 20,96 32,92 C36,90 38,90 38,90 Z" fill="#e8332a" {TRATTO}/>
<path d="M36,38 C26,34 8,42 8,60 C8,78 22,88 36,86 Z" fill="#fff6c8"/>
<path d="M52,36 C66,30 88,38 88,60 C88,82 70,96 58,92 C54,90 52,90 52,90 Z" fill="#e8332a" {TRATTO}/>
<path d="M54,38 C64,34 82,42 82,60 C82,78 68,88 54,86 Z" fill="#fff6c8"/>
<ellipse cx="30" cy="60" rx="2.5" ry="4" fill="#5d3a1a"/><ellipse cx="30" cy="70" rx="2.5" ry="4" fill="#5d3a1a"/>
<ellipse cx="60" cy="60" rx="2.5" ry="4" fill="#5d3a1a"/><ellipse cx="60" cy="70" rx="2.5" ry="4" fill="#5d3a1a"/>
'''
TAGLIERE = f'<rect x="-6" y="94" width="102" height="14" rx="6" fill="#d9a066" {TRATTO}/>'


UOVO = f'''
<path d="M45,14 C64,14 74,48 74,66 C74,86 62,98 45,98 C28,98 16,86 16,66 C16,48 26,14 45,14 Z" fill="#fffdf5" {TRATTO}/>
<ellipse cx="34" cy="48" rx="5" ry="10" fill="#ffffff"/>
'''
UOVO_ROTTO = f'''
<ellipse cx="45" cy="92" rx="34" ry="12" fill="#ffffff" {TRATTO}/>
<circle cx="45" cy="90" r="11" fill="#ffc400" stroke="#e69500" stroke-width="2"/>
<path d="M6,84 C4,66 12,56 18,54 L22,62 L28,56 L32,66 L24,86 Z" fill="#fffdf5" {TRATTO}/>
<path d="M84,84 C86,66 78,56 72,54 L68,62 L62,56 L58,66 L66,86 Z" fill="#fffdf5" {TRATTO}/>
'''
NIDO = f'''
<path d="M4,88 C4,112 86,112 86,88 Z" fill="#a0692e" {TRATTO}/>
<path d="M8,94 L30,100 M24,104 L50,96 M46,104 L80,94 M60,104 L82,100" stroke="#e0b060" stroke-width="2.5" stroke-linecap="round"/>
'''


CASSA = f'''
<rect x="2" y="46" width="86" height="46" rx="3" fill="#a0602a" {TRATTO}/>
<path d="M2,46 C2,18 88,18 88,46 Z" fill="#b8733a" {TRATTO}/>
<rect x="12" y="25" width="10" height="67" fill="#e8c24a" {TRATTO}/><rect x="68" y="25" width="10" height="67" fill="#e8c24a" {TRATTO}/>
<rect x="36" y="40" width="18" height="20" rx="3" fill="#e8c24a" {TRATTO}/>
<circle cx="45" cy="48" r="3" fill="#2b2b2b"/><rect x="44" y="49" width="2" height="6" fill="#2b2b2b"/>
'''
CASSA_APERTA = f'''
<path d="M2,46 L10,2 L80,2 L88,46 Z" fill="#5a3010" {TRATTO}/>
<path d="M10,2 C12,-20 78,-20 80,2 Z" fill="#b8733a" {TRATTO}/>
<g fill="#ffd23f" stroke="#b8860b" stroke-width="1.5">
<circle cx="22" cy="44" r="8"/><circle cx="36" cy="38" r="8"/><circle cx="50" cy="36" r="8"/><circle cx="64" cy="40" r="8"/>
<circle cx="30" cy="46" r="8"/><circle cx="46" cy="44" r="8"/><circle cx="60" cy="46" r="8"/><circle cx="74" cy="45" r="7"/></g>
<rect x="2" y="46" width="86" height="46" rx="3" fill="#a0602a" {TRATTO}/>
<rect x="12" y="46" width="10" height="46" fill="#e8c24a" {TRATTO}/><rect x="68" y="46" width="10" height="46" fill="#e8c24a" {TRATTO}/>
<path d="M50,14 L53,22 L61,22 L55,27 L57,35 L50,30 L43,35 L45,27 L39,22 L47,22 Z" fill="#fff7b0" stroke="#e8c24a" stroke-width="1.5"/>
'''


VASO = f'''
<path d="M14,86 L76,86 L66,138 L24,138 Z" fill="#d9743a" {TRATTO}/>
<rect x="8" y="78" width="74" height="14" rx="3" fill="#e88a50" {TRATTO}/>
<ellipse cx="45" cy="80" rx="33" ry="4" fill="#5d3a1a"/>
'''
FIORE_NEL_VASO = f'''
<path d="M45,80 C45,60 44,44 45,26" fill="none" stroke="#2e7d32" stroke-width="5" stroke-linecap="round"/>
<path d="M45,62 C34,52 24,56 20,62 C28,70 38,70 45,62 Z" fill="#43a047" {TRATTO}/>
<path d="M46,52 C56,42 66,46 70,52 C62,60 52,60 46,52 Z" fill="#43a047" {TRATTO}/>
<g fill="#ffd23f" {TRATTO}><circle cx="45" cy="8" r="9"/><circle cx="62" cy="20" r="9"/><circle cx="56" cy="38" r="9"/>
<circle cx="34" cy="38" r="9"/><circle cx="28" cy="20" r="9"/></g>
<circle cx="45" cy="24" r="10" fill="#e8332a" {TRATTO}/>
'''


CANDELA = f'''
<rect x="37" y="40" width="16" height="80" rx="3" fill="#ff77c8" {TRATTO}/>
<path d="M37,60 L53,52 M37,80 L53,72 M37,100 L53,92" stroke="#ffffff" stroke-width="3"/>
<path d="M45,40 L45,30" stroke="#2b2b2b" stroke-width="3"/>
<ellipse cx="45" cy="124" rx="32" ry="8" fill="#e8c24a" {TRATTO}/>
<path d="M76,122 C92,118 92,136 76,130" fill="none" stroke="#e8c24a" stroke-width="5"/>
<rect x="33" y="114" width="24" height="8" rx="2" fill="#e8c24a" {TRATTO}/>
'''


LIBRO = f'''
<rect x="18" y="16" width="58" height="78" rx="3" fill="#ffffff" {TRATTO}/>
<rect x="14" y="12" width="58" height="78" rx="3" fill="#e8332a" {TRATTO}/>
<rect x="14" y="12" width="10" height="78" fill="#a61e17" {TRATTO}/>
<rect x="32" y="26" width="32" height="18" rx="2" fill="#ffd23f" {TRATTO}/>
<circle cx="48" cy="66" r="9" fill="#ffd23f"/>
'''
LIBRO_APERTO = f'''
<path d="M45,30 C32,22 12,22 0,28 L0,92 C12,86 32,86 45,94 Z" fill="#ffffff" {TRATTO}/>
<path d="M45,30 C58,22 78,22 90,28 L90,92 C78,86 58,86 45,94 Z" fill="#ffffff" {TRATTO}/>
<path d="M8,42 L38,42 M8,52 L38,52 M8,62 L38,62 M8,72 L30,72 M52,42 L82,42 M52,52 L82,52 M52,62 L82,62 M52,72 L74,72" stroke="#7a8a99" stroke-width="2.5"/>
<path d="M0,92 C12,86 32,86 45,94 C58,86 78,86 90,92 L90,98 C78,92 58,92 45,100 C32,92 12,92 0,98 Z" fill="#e8332a" {TRATTO}/>
'''


AUTOMOBILE = f'''
<path d="M4,40 L12,24 L30,22 L42,6 L74,6 L88,22 L100,26 L102,46 L4,46 Z" fill="#2f6fdf" {TRATTO}/>
<path d="M46,10 L56,10 L56,22 L36,22 Z M60,10 L72,10 L82,22 L60,22 Z" fill="#cfefff" {TRATTO}/>
<rect x="92" y="30" width="10" height="6" rx="2" fill="#ffd23f" {TRATTO}/>
<circle cx="26" cy="48" r="11" fill="#333" {TRATTO}/><circle cx="26" cy="48" r="4" fill="#ddd"/>
<circle cx="80" cy="48" r="11" fill="#333" {TRATTO}/><circle cx="80" cy="48" r="4" fill="#ddd"/>
'''
SCARICO = '''
<circle cx="-4" cy="42" r="6" fill="#e0e0e0" stroke="#999" stroke-width="1.5"/>
<circle cx="-14" cy="34" r="7" fill="#e0e0e0" stroke="#999" stroke-width="1.5"/>
<path d="M-20,16 L-6,16 M-22,24 L-14,24" stroke="#ffffff" stroke-width="3" stroke-linecap="round"/>
'''
STRADA = '<rect x="-12" y="58" width="254" height="14" fill="#6b6b6b"/>' + \
    ''.join(f'<rect x="{x}" y="64" width="14" height="3" fill="#ffffff"/>' for x in range(8, 230, 28)) + \
    ''.join(f'<rect x="{-12 + (i % 2) * 5}" y="{58 + (i // 2) * 5}" width="5" height="5" fill="#2b2b2b"/>' for i in range(0, 6)) + \
    ''.join(f'<rect x="{-12 + (1 - i % 2) * 5}" y="{58 + (i // 2) * 5}" width="5" height="5" fill="#ffffff"/>' for i in range(0, 6))


MISSILE = f'''
<path d="M10,70 L0,94 L12,90 Z M40,70 L50,94 L38,90 Z" fill="#e8332a" {TRATTO}/>
<path d="M25,0 C40,14 42,40 40,90 L10,90 C8,40 10,14 25,0 Z" fill="#f5f5f5" {TRATTO}/>
<path d="M25,0 C32,6 36,14 38,22 L12,22 C14,14 18,6 25,0 Z" fill="#e8332a" {TRATTO}/>
<circle cx="25" cy="44" r="8" fill="#7fd3ff" {TRATTO}/>
<rect x="18" y="90" width="14" height="6" fill="#666" {TRATTO}/>
'''
FIAMMA_MISSILE = '''
<path d="M14,96 C14,120 22,128 25,140 C28,128 36,120 36,96 Z" fill="#ff9a1f" stroke="#ffd23f" stroke-width="2"/>
<path d="M20,96 C20,110 24,116 25,124 C26,116 30,110 30,96 Z" fill="#fff07a"/>
'''
RAMPA = f'''
<rect x="-14" y="98" width="78" height="10" fill="#90a4ae" {TRATTO}/>
<rect x="52" y="20" width="8" height="80" fill="#b0bec5" {TRATTO}/>
<path d="M52,30 L60,40 M52,50 L60,60 M52,70 L60,80" stroke="#2b2b2b" stroke-width="1.5"/>
'''


LAMPADINA = f'''
<rect x="35" y="6" width="20" height="20" rx="2" fill="#b0bec5" {TRATTO}/>
<path d="M35,12 L55,12 M35,18 L55,18" stroke="#2b2b2b" stroke-width="1.5"/>
<path d="M37,26 L53,26 C54,34 74,44 74,66 C74,84 60,96 45,96 C30,96 16,84 16,66 C16,44 36,34 37,26 Z" fill="#eef3f6" {TRATTO}/>
<path d="M40,80 L40,58 L45,66 L50,58 L50,80" fill="none" stroke="#8a8a8a" stroke-width="2"/>
'''
LAMPADINA_ACCESA = f'''
<g stroke="#f5a300" stroke-width="4" stroke-linecap="round">
<path d="M45,106 L45,116 M10,66 L2,66 M80,66 L88,66 M18,92 L11,99 M72,92 L79,99 M16,42 L9,37 M74,42 L81,37"/></g>
<path d="M37,26 L53,26 C54,34 74,44 74,66 C74,84 60,96 45,96 C30,96 16,84 16,66 C16,44 36,34 37,26 Z" fill="#ffe14a" {TRATTO}/>
<path d="M40,80 L40,58 L45,66 L50,58 L50,80" fill="none" stroke="#e07000" stroke-width="2.5"/>
<ellipse cx="32" cy="62" rx="5" ry="10" fill="#fffbe0"/>
'''
FILO = '<path d="M45,-70 L45,6" stroke="#2b2b2b" stroke-width="3"/>'


SCATOLA = f'''
<rect x="8" y="30" width="74" height="80" rx="3" fill="#2eaa5a" {TRATTO}/>
<rect x="4" y="22" width="82" height="20" rx="3" fill="#ffd23f" {TRATTO}/>
<g stroke="#2b2b2b" stroke-width="1.5"><path d="M20,96 L34,56 L40,58 L26,98 Z" fill="#e8332a"/>
<path d="M38,98 L50,56 L56,58 L44,100 Z" fill="#2f6fdf"/><path d="M56,98 L66,56 L72,58 L62,100 Z" fill="#ff9a1f"/></g>
'''
SCATOLA_APERTA = f'''
<path d="M4,30 L12,-2 L90,-2 L86,30 Z" fill="#ffd23f" {TRATTO}/>
''' + ''.join(
    f'<g transform="translate({x},0)"><rect x="0" y="{y}" width="9" height="50" fill="{c}" {TRATTO}/>'
    f'<path d="M0,{y} L4.5,{y - 12} L9,{y}" fill="#f6d7a7" {TRATTO}/>'
    f'<path d="M3,{y - 7} L4.5,{y - 12} L6,{y - 7} Z" fill="{c}"/></g>'
    for x, y, c in [(14, 22, "#e8332a"), (24, 16, "#ff9a1f"), (34, 20, "#ffd23f"), (44, 14, "#43a047"),
                    (54, 18, "#2f6fdf"), (64, 22, "#9b59d0")]) + f'''
<rect x="8" y="30" width="74" height="80" rx="3" fill="#2eaa5a" {TRATTO}/>
<path d="M20,96 L34,56 L40,58 L26,98 Z M38,98 L50,56 L56,58 L44,100 Z M56,98 L66,56 L72,58 L62,100 Z" fill="#ffffff" fill-opacity="0.5" stroke="#2b2b2b" stroke-width="1.5"/>
'''


PIATTO = f'<ellipse cx="45" cy="72" rx="45" ry="14" fill="#7fb8f0" {TRATTO}/><ellipse cx="45" cy="70" rx="32" ry="8" fill="#a9d2ff"/>'
BISCOTTO = f'''
<circle cx="45" cy="42" r="32" fill="#e0a458" {TRATTO}/>
<g fill="#5d3a1a"><circle cx="32" cy="30" r="5"/><circle cx="54" cy="26" r="4"/><circle cx="60" cy="48" r="5"/>
<circle cx="38" cy="54" r="4"/><circle cx="46" cy="40" r="3.5"/><circle cx="24" cy="46" r="3.5"/></g>
'''
BRICIOLE = f'''
<path d="M22,50 C22,38 30,30 40,30 C36,36 40,42 46,42 C44,48 48,54 54,54 C50,60 40,62 32,60 C26,58 22,54 22,50 Z" fill="#e0a458" {TRATTO}/>
<circle cx="32" cy="48" r="3.5" fill="#5d3a1a"/>
<g fill="#e0a458" stroke="#8a5a2b" stroke-width="1.5">
<path d="M12,66 l7,-6 l6,5 l-4,7 Z"/><path d="M40,70 l8,-5 l5,6 l-7,5 Z"/><path d="M60,58 l7,-3 l3,7 l-7,3 Z"/>
<path d="M68,72 l6,-4 l4,5 l-6,4 Z"/><path d="M28,76 l5,-3 l3,5 l-5,2 Z"/><path d="M54,76 l5,-3 l3,5 l-5,2 Z"/></g>
<circle cx="50" cy="60" r="2" fill="#5d3a1a"/><circle cx="26" cy="72" r="2" fill="#5d3a1a"/>
'''


FOCA = f'''
<path d="M10,96 C0,90 0,80 12,82 L26,88 Z" fill="#6f8596" {TRATTO}/>
<path d="M22,100 C10,96 14,64 30,50 C38,42 44,36 50,30 L70,34 C66,50 64,70 66,100 Z" fill="#8fa6b8" {TRATTO}/>
<path d="M56,80 C62,86 74,86 80,80" fill="#6f8596" {TRATTO}/>
<ellipse cx="64" cy="26" rx="16" ry="13" fill="#8fa6b8" {TRATTO}/>
<ellipse cx="80" cy="24" rx="7" ry="5" fill="#d8e2ea" {TRATTO}/>
<circle cx="86" cy="22" r="3" fill="#2b2b2b"/>
<circle cx="64" cy="20" r="3" fill="#2b2b2b"/><circle cx="65" cy="19" r="1" fill="#fff"/>
<path d="M76,28 L88,32 M76,26 L90,26" stroke="#2b2b2b" stroke-width="1.2"/>
'''
FOCA_PALLA = palla(80, -4, 16)
SCOGLIO = f'<path d="M0,112 C4,96 20,94 40,96 C62,94 84,96 90,112 Z" fill="#b0bec5" {TRATTO}/>'


# The 23 scenes, in the order of the story catalog.
# Each: posti (ten top-left corners), prima, dopo, base, azione attributes,
# scenario, colour of the catalog (a hint for previews).

def scena(posti, prima, azione, sfondo, scenario='', dopo=None, base=None):
    return dict(posti=posti, prima=prima, dopo=dopo, base=base, azione=azione,
                scenario=scenario, sfondo=sfondo)


CIELO_STELLATO = ''.join(f'<circle cx="{x}" cy="{y}" r="{r}" fill="#ffffff" opacity="0.7"/>' for x, y, r in [
    (30, 20, 2), (140, 60, 1.5), (250, 14, 2), (380, 40, 1.5), (500, 24, 2), (80, 300, 1.5), (200, 280, 2),
    (330, 320, 1.5), (460, 290, 2), (530, 340, 1.5), (20, 400, 1.5)])

SCENE = {
    1: scena(righe(14, 29), LOCOMOTIVA, dict(azione="sposta aggiungi", dx=140, durata=2.5), "FFCC99",
             dopo=FUMO, base=BINARIO),
    2: scena(griglia(100, 92, 150), elefante(), dict(azione="scambia salta", altezza=24, salti=3, durata=2,
                                                       ciclo="oscilla", ampiezza=6), "669900",
             scenario=strisce("#c8a165", 242, 14, "#8a6a3a"),
             dopo=elefante(True) + GONNELLINO + f'<g transform="translate(0,-6)">{NOTE}</g>'),
    3: scena(griglia(70, 98, 120), UOVO_PASQUA, dict(azione="scambia", durata=1.2), "99CC00",
             scenario=strisce("#6fa000", 222, 20), dopo=UOVO_PASQUA_APERTO),
    4: scena(griglia(90, 132, 110), BOCCIOLO, dict(azione="scambia pulsa", scala=1.15, durata=1.8), "66FF99",
             scenario=strisce("#8a5a2b", 240, 25), dopo=ROSA, base=gambo()),
    5: scena(griglia(90, 142, 100), CERO, dict(azione="aggiungi", durata=1), "000099",
             dopo=fiamma(45, 18, 0.9)),
    6: scena(griglia(100, 92, 150), elefante(colore="#c9b9a6"),
             dict(azione="scambia", durata=1.2, ciclo="salta"), "99FF00",
             scenario=strisce("#5fa830", 238, 18),
             dopo=elefante(True, colore="#c9b9a6") + palla(84, -8, 14)),
    7: scena(griglia(98, 172, 60), piccolo(RUBINETTO + MANIGLIA_CHIUSA), dict(azione="scambia", durata=1), "0000CC",
             scenario=strisce("#8a9aa4", 81, 10, "#2b2b2b"),
             dopo=piccolo(RUBINETTO + MANIGLIA_APERTA + ACQUA_RUBINETTO), base=piccolo(LAVANDINO)),
    8: scena(griglia(100, 84, 150), vasca(True), dict(azione="scambia", durata=1.5), "FFFFFF",
             scenario=strisce("#d7ecff", 238, 20), dopo=vasca(False)),
    9: scena(griglia(40, 60, 30), GOCCIA, dict(azione="cadi", dy=150, durata=1.2), "003399",
             scenario=''.join(f'<ellipse cx="{x}" cy="{r * 265 + 14}" rx="70" ry="20" fill="#dde8ff" opacity="0.9"/>'
                              for r in range(2) for x in range(0, 600, 110)),
             base=POZZANGHERA),
    10: scena(griglia(80, 80, 150), MARZIANO, dict(azione="sposta aggiungi", dy=-125, durata=2, ciclo="oscilla",
                                                   ampiezza=5), "0099CC",
              scenario=strisce("#c46a3a", 232, 33), dopo=RAGGIO_MARZIANO, base=PIAZZOLA),
    11: scena(griglia(90, 158, 80), CHIODO, dict(azione="scambia cadi", dy=4, durata=0.8), "0099FF",
              dopo=CHIODO_PIANTATO, base=LEGNO),
    12: scena(griglia(90, 108, 120), MELA, dict(azione="scambia", durata=1), "99FF33",
              dopo=MELA_TAGLIATA, base=TAGLIERE),
    13: scena(griglia(90, 110, 120), UOVO, dict(azione="scambia", durata=0.8), "996666",
              dopo=UOVO_ROTTO, base=NIDO),
    14: scena(griglia(90, 92, 150), CASSA, dict(azione="scambia", durata=1.2), "66FFFF",
              scenario=strisce("#f2d48a", 236, 24), dopo=CASSA_APERTA),
    15: scena(griglia(90, 138, 110), VASO, dict(azione="aggiungi", durata=1.5, ciclo="pulsa"), "0033CC",
              scenario=strisce("#8fa3c8", 248, 10), dopo=FIORE_NEL_VASO),
    16: scena(griglia(90, 132, 110), CANDELA, dict(azione="aggiungi", durata=1), "0033CC",
              scenario=strisce("#8fa3c8", 244, 10), dopo=fiamma(45, 28, 0.9)),
    17: scena(griglia(90, 100, 130), LIBRO, dict(azione="scambia", durata=1.2), "FFCC00",
              scenario=strisce("#b5763c", 232, 14, "#7a4a1e"), dopo=LIBRO_APERTO),
    18: scena(righe(24, 26), AUTOMOBILE, dict(azione="sposta aggiungi", dx=130, durata=2), "CC9933",
              dopo=SCARICO, base=STRADA),
    19: scena(griglia(50, 108, 120), MISSILE, dict(azione="sposta aggiungi", dy=-112, durata=2.2), "000066",
              scenario=CIELO_STELLATO, dopo=FIAMMA_MISSILE, base=RAMPA),
    20: scena(griglia(90, 96, 120), LAMPADINA, dict(azione="aggiungi", durata=0.8), "FFFFFF",
              scenario=strisce("#cfd8dc", 0, 8), dopo=LAMPADINA_ACCESA,
              base=FILO.replace('-70', '-112')),
    21: scena(griglia(90, 110, 130), SCATOLA, dict(azione="scambia", durata=1.2), "0000CC",
              scenario=strisce("#8fa3c8", 240, 12), dopo=SCATOLA_APERTA),
    22: scena(griglia(90, 86, 150), BISCOTTO, dict(azione="scambia", durata=1.5), "FFFFFF",
              scenario=strisce("#f3e0c8", 236, 22), dopo=BRICIOLE, base=PIATTO),
    23: scena(griglia(90, 112, 130), FOCA, dict(azione="aggiungi", durata=1, ciclo="oscilla", ampiezza=5), "FFFFCC",
              scenario=strisce("#7fc8f0", 236, 29), dopo=FOCA_PALLA, base=SCOGLIO),
}


def parte(id_clip, nome, x, y):
    return f'<g id="{id_clip}-{nome}" transform="translate({x:g},{y:g})"><use xlink:href="#{nome}"/></g>'


def scrivi(numero, s, cartella):
    attributi = ' '.join(f'c:{k}="{v}"' for k, v in s['azione'].items())
    righe_svg = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        f'<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
        f'xmlns:c="urn:calcolotti:scena" version="1.2" baseProfile="tiny" '
        f'viewBox="0 0 {LARGHEZZA} {ALTEZZA}" width="{LARGHEZZA}" height="{ALTEZZA}" c:sfondo="{s["sfondo"]}">',
        '<defs>',
        f'<g id="prima">{s["prima"]}</g>',
    ]
    if s['dopo']:
        righe_svg.append(f'<g id="dopo">{s["dopo"]}</g>')
    if s['base']:
        righe_svg.append(f'<g id="base">{s["base"]}</g>')
    righe_svg.append('</defs>')
    righe_svg.append(f'<g id="scenario">{s["scenario"]}</g>')
    for i, (x, y) in enumerate(s['posti'], start=1):
        clip = f'a{i}'
        dentro = ''
        if s['base']:
            dentro += parte(clip, 'base', x, y)
        dentro += parte(clip, 'prima', x, y)
        if s['dopo']:
            dentro += parte(clip, 'dopo', x, y)
        righe_svg.append(f'<g id="{clip}" {attributi}>{dentro}</g>')
    righe_svg.append('</svg>')
    testo = '\n'.join(righe_svg)
    with open(os.path.join(cartella, f'b{numero}.svg'), 'w', encoding='utf-8') as f:
        f.write(testo + '\n')


def main():
    cartella = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'data', 'scenes')
    os.makedirs(cartella, exist_ok=True)
    for numero, s in SCENE.items():
        scrivi(numero, s, cartella)


if __name__ == '__main__':
    main()
