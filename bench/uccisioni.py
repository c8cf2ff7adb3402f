#!/usr/bin/env python3
"""Kills a real copy of the program at random moments while it answers as fast as
it can, then counts in its record the answers it had given: every answer given
more than 100 ms before the kill must be there.

    bench/uccisioni.py [build folder, default build] [kills, default 100] [seed]

Each run plays "Sottrazione - 1°" with wrong answers (mouse, sounds off) through
tests/helper_programma, in a home folder of its own, and is killed with SIGKILL
2 to 7 seconds after it starts."""
import os, random, signal, sqlite3, subprocess, sys, tempfile, time, shutil

build = sys.argv[1] if len(sys.argv) > 1 else 'build'
uccisioni = int(sys.argv[2]) if len(sys.argv) > 2 else 100
random.seed(int(sys.argv[3]) if len(sys.argv) > 3 else 1)
programma = os.path.abspath(os.path.join(build, 'tests', 'helper_programma'))
date = registrate = vecchie = perse = 0
for _ in range(uccisioni):
    casa = tempfile.mkdtemp(prefix='calcolotti-uccisioni.')
    os.makedirs(casa + '/config/ImpostazioniProgrammiLumba')
    os.makedirs(casa + '/run', mode=0o700)
    with open(casa + '/config/ImpostazioniProgrammiLumba/calcolotti.ini', 'wb') as f:
        f.write(b'F\r\nF\r\n 255 \r\n 1 \r\n 250 \r\n 4 \r\n 0 \r\n')  # sounds off, quick voice, mouse
    ambiente = dict(os.environ, HOME=casa, XDG_CONFIG_HOME=casa + '/config', XDG_DATA_HOME=casa + '/data',
                    XDG_RUNTIME_DIR=casa + '/run', QT_QPA_PLATFORM='offscreen')
    p = subprocess.Popen([programma, 'avvia', 'gioca'], env=ambiente, stdout=subprocess.PIPE,
                         stderr=subprocess.DEVNULL)
    os.set_blocking(p.stdout.fileno(), False)
    fine = time.monotonic() + random.uniform(2.0, 7.0)
    tempi, resto = [], b''
    while time.monotonic() < fine:
        resto += p.stdout.read() or b''
        while b'\n' in resto:
            riga, resto = resto.split(b'\n', 1)
            if riga.startswith(b'risposta'):
                tempi.append(time.monotonic())
        time.sleep(0.005)
    ucciso = time.monotonic()
    p.send_signal(signal.SIGKILL)
    p.wait()
    try:
        n = sqlite3.connect(casa + '/data/calcolotti/diario.sqlite').execute('SELECT count(*) FROM risposte').fetchone()[0]
    except sqlite3.Error:
        n = 0
    prima = sum(1 for t in tempi if ucciso - t > 0.1)
    date, registrate, vecchie, perse = date + len(tempi), registrate + n, vecchie + prima, perse + max(0, prima - n)
    shutil.rmtree(casa)
print(f'{uccisioni} kills: {date} answers given, {registrate} recorded; '
      f'{vecchie} given more than 100 ms before the kill, {perse} of those lost')
