#!/usr/bin/env python3
"""Applies deliberate one-line faults to src/, one at a time, rebuilds and runs the
test suite, and reports which faults the tests catch. The tree is restored after
every fault, also when interrupted.

    tools/mutanti/mutanti.py [build folder] [ids...]     # default: build-mutanti, all

Each fault names its file, the exact text it changes and what it becomes; a fault
whose text is no longer in the file is reported as "not applied" (the code moved:
update the table)."""
import os, subprocess, sys, time

RADICE = os.path.abspath(os.path.join(os.path.dirname(__file__), '..', '..'))

# id, what the fault does, file, old text, new text
GUASTI = [
    ('M01', 'two actions of Form4 step 1 swapped', 'src/exercises/Descrizioni.cpp',
     'Ridipingi, Gioca(Agenti), Opacita(Fermi, 40), Pausa(0.5), Scrivi(3), Parla(3), Evidenzia}},\n        {{5}',
     'Ridipingi, Opacita(Fermi, 40), Gioca(Agenti), Pausa(0.5), Scrivi(3), Parla(3), Evidenzia}},\n        {{5}'),
    ('M02', 'the addends accepted in one order only', 'src/exercises/Esercizio.cpp',
     'return (scelta == m_resto && m_usato != Addendo::Resto)', 'return scelta == giustaAlPasso(m_passo); return (scelta == m_resto && m_usato != Addendo::Resto)'),
    ('M03', 'no cap on the score', 'src/exercises/Esercizio.cpp',
     'return conteggio < Esercizio::ConteggioMassimo ? int16_t(conteggio + 1) : conteggio;', 'return int16_t(conteggio + 1);'),
    ('M04', 'a left screen goes on with its sequence', 'src/exercises/FormEsercizio.cpp',
     'return io && !io->congedata() && io->m_inTurno && io->m_esercizio == esercizio;', 'return io && io->m_esercizio == esercizio;'),
    ('M05', 'a wrong sign is not painted', 'src/exercises/FormEsercizio.cpp',
     'dipingiSbagliato(m_command2[scelta]);', ';'),
    ('M06', 'halves rounded away from zero in the settings reader', 'src/shell/ModuloPerIni.cpp',
     'std::nearbyint(*valore)', 'std::round(*valore)'),
    ('M07', 'un-minimising the window counts as an activation', 'src/core/Schermata.cpp',
     'if (event->spontaneous() || m_attivazioneInAttesa)', 'if (m_attivazioneInAttesa)'),
    ('M08', 'a held Enter repeats its choice (menu, arrows)', 'src/input/ModelloScansione.cpp',
     'agisceAlRilascio(azione) || azione == Azione::Scegli || m_occupato', 'agisceAlRilascio(azione) || m_occupato'),
    ('M09', 'a release whose press the screen never saw is taken', 'src/input/ModelloScansione.cpp',
     'if (!m_giu.contains(tasto))\n        return azione', 'if (!m_giu.contains(tasto) && false)\n        return azione'),
    ('M10', 'subtraction step 2 wants the rest', 'src/exercises/Esercizio.cpp',
     'case Passo::Secondo: case Passo::SecondoTermine: return m_parte;', 'case Passo::Secondo: case Passo::SecondoTermine: return m_resto;'),
    ('M11', 'the same scene twice in a row', 'src/exercises/Esercizio.cpp',
     '} while (m_scena == m_scenaPrecedente && m_numeroScene > 1);', '} while (false);'),
    ('M12', 'the zero rule inverted', 'src/exercises/Esercizio.cpp',
     'if (m_stato.Casuale != 0) {', 'if (m_stato.Casuale == 0) {'),
    ('M13', 'the scan wraps one item late', 'src/input/ModelloScansione.cpp',
     '    if (prossima >= quanti) {\n        prossima = 0;', '    if (prossima > quanti) {\n        prossima = 0;'),
    ('M14', 'the accent rewrite loses è', 'src/media/VoceProgramma.cpp',
     '{QChar(0x00E8), "e\'"},', ''),
    ('M15', 'the one-object statement used for two', 'src/exercises/catalog/Catalogo.cpp',
     'if (n == 1)', 'if (n == 2)'),
    ('M16', 'the scan never starts again after the program spoke', 'src/input/ControlloreInput.cpp',
     '    m_attesaDalPrimo = false;\n    inizia(primo);', '    m_attesaDalPrimo = false;\n    Q_UNUSED(primo);'),
    ('M17', 'the reward sound index off by one', 'src/media/SuoniProgramma.cpp',
     '* r)) + 1;', '* r));'),
    ('M18', 'settings lines end in LF', 'src/shell/ModuloPerIni.cpp',
     '    return testo;\n}', '    return testo.replace("\\r\\n", "\\n");\n}'),
    ('M19', 'a menu item opens the next level', 'src/shell/FormMenu.cpp',
     'AvviaEsercizi(int16_t(m_label1.indexOf(qobject_cast<QLabel *>(scelta))));', 'AvviaEsercizi(int16_t(m_label1.indexOf(qobject_cast<QLabel *>(scelta)) + 1));'),
    ('M20', 'the atomic save trusts a short write', 'src/shell/ModuloPerIni.cpp',
     'file.write(dati) != dati.size()', 'file.write(dati) < 0'),
    ('M21', 'the mixed level hands over on the wrong draw', 'src/exercises/Esercizio.cpp',
     'return m_stato.Casuale == valoreCambio;', 'return m_stato.Casuale != valoreCambio;'),
    ('M22', 'the wrong addend marked as used', 'src/exercises/Esercizio.cpp',
     'm_usato = scelta == m_resto ? Addendo::Resto : Addendo::Parte;', 'm_usato = scelta == m_resto ? Addendo::Parte : Addendo::Resto;'),
    ('M23', 'presses while the program speaks are answers', 'src/input/ModelloScansione.cpp',
     '    if (m_occupato) {\n        pressione.ignorata = true;', '    if (false) {\n        pressione.ignorata = true;'),
    ('M24', 'the first item is lit during the first question', 'src/exercises/FormEsercizio.cpp',
     '    // The first choice is lit once the first question has been asked.\n    const auto occupato = m_input->occupa();\n', ''),
    ('M25', 'the scanned confirmation lights Sì first', 'src/input/ConfermaScansione.cpp',
     'return {{m_no}, {m_si}};', 'return {{m_si}, {m_no}};'),
    ('M26', 'the minimum press is not checked', 'src/input/ModelloScansione.cpp',
     'if (durata < m_config.opzioni.pressioneMinimaMs)', 'if (false)'),
    ('M27', 'any highlight colour accepted', 'src/config/FormConfigura.cpp',
     '< Evidenziazione::ContrastoMinimo', '< 0'),
    ('M28', 'the scan never rests', 'src/input/ModelloScansione.cpp',
     '++m_giri >= m_config.opzioni.giri', '++m_giri >= 1000'),
    ('M29', 'a wrong answer gets no cross', 'src/exercises/ScansioneEsercizio.cpp',
     'b->setIcon(sbagliato ? Immagini::icona(Immagine::Croce) : QIcon());', 'b->setIcon(QIcon());'),
    ('M30', 'scanning options out of range are taken', 'src/shell/ModuloOpzioni.cpp',
     'if (ok && ((letto >= minimo && letto <= massimo) || (anche && letto == *anche))) {', 'if (ok) {'),
    ('M31', 'no pause after a choice', 'src/input/ModelloScansione.cpp',
     '    // A bouncing switch or a double press must not choose twice.\n    quiete(ora, "a choice");\n', ''),
    ('M32', 'no pause once the program is silent', 'src/input/ModelloScansione.cpp',
     '        quiete(ora, "the program spoke");\n', ''),
    ('M33', 'a double click is two answers', 'src/input/ModelloScansione.cpp',
     '    if (ora < m_quieteFino)\n        return ignora(motivoQuiete(ora));\n    quiete(ora, "a choice");',
     '    quiete(ora, "a choice");'),
    ('M34', 'clicks taken while the program speaks', 'src/input/ModelloScansione.cpp',
     '    if (m_occupato)\n        return ignora(QStringLiteral("the program is speaking"));\n    if (ora < m_quieteFino)',
     '    if (ora < m_quieteFino)'),
    ('M35', 'a press timed to the end of the auto-repeat wait', 'src/input/ControlloreInput.cpp',
     'applica(m_modello.rilascia(m_tastoRilasciato, m_oraRilascio)', 'applica(m_modello.rilascia(m_tastoRilasciato, m_tempo.adessoMs())'),
    ('M36', 'a short press restarts the interval', 'src/input/ModelloScansione.cpp',
     '    if (durata < m_config.opzioni.pressioneMinimaMs)\n        return ignora(',
     '    if (durata < m_config.opzioni.pressioneMinimaMs && (m_inizio = ora, true))\n        return ignora('),
    ('M37', 'a press held too long still chooses', 'src/input/ModelloScansione.cpp',
     'if (m_config.opzioni.pressioneMassimaMs > 0 && durata > m_config.opzioni.pressioneMassimaMs) {', 'if (false) {'),
    ('M38', 'a spoken item lasts the longer of word and interval', 'src/input/ModelloScansione.cpp',
     '        return;\n    m_parola = false;\n    m_inizio = ora;\n', '        return;\n    m_parola = false;\n'),
    ('M39', 'the thick border drawn inside the face', 'src/input/Evidenziazione.cpp',
     'const int fuori = m_distanza + m_spessore;', 'const int fuori = -m_spessore;'),
    ('M40', 'the thick border in the highlight colour', 'src/input/Evidenziazione.cpp',
     'return peggiore(bianco) > peggiore(nero) ? bianco : nero;', 'return evidenza;'),
    ('M41', 'a chosen button that hides drops the focus to the window', 'src/input/TastiAdultoEFuoco.cpp',
     '    if (!scansione() || !inAscolto() || !m_schermata->isAncestorOf(nascosta))\n        return;', '    return;'),
    ('M42', 'F8 stops at one second', 'src/input/TastiAdultoEFuoco.cpp',
     'constexpr int VelocitaMinima = 1,', 'constexpr int VelocitaMinima = 4,'),
    ('M43', 'the input-mode screen raises a quick step to one second', 'src/config/FormConfigura.cpp',
     'm_hScroll3->setMinimum(std::clamp<int>(stato.VelocitaScansione, 1, MinimoScansione));',
     'm_hScroll3->setMinimum(MinimoScansione);'),
    ('M44', 'ripeti says only the question', 'src/exercises/ScansioneEsercizio.cpp',
     'case Passo::Secondo: case Passo::SecondoInverso: etichette = {2, 3}; break;',
     'case Passo::Secondo: case Passo::SecondoInverso: etichette = {3}; break;'),
    ('M45', 'one option saved under another\'s name', 'src/shell/ModuloOpzioni.cpp',
     'ignoraRipetuteMs=%6', 'pressioneMinimaMs=%6'),
    ('M46', 'the pause after a choice never read back', 'src/shell/ModuloOpzioni.cpp',
     '    leggi(file, "pausaDopoSceltaMs", 0, 2000, o.pausaDopoSceltaMs);\n', ''),
    ('M47', 'a CSV column dropped', 'src/record/EsportaCsv.cpp',
     '            secondi(query.value(8), locale),\n', ''),
    ('M48', 'response times counted at the wrong scale', 'src/record/DiarioSqlite.cpp',
     'm_tempo->bindValue(3, r.tempoRispostaMs / 100);', 'm_tempo->bindValue(3, r.tempoRispostaMs / 10);'),
    ('M49', 'the lit confirmation button never painted', 'src/input/ConfermaScansione.cpp',
     'evidenziata ? Colori::scansione(m_servizi.stato.ColoreScansione) : QColor(224, 224, 224)', 'QColor(224, 224, 224)'),
    ('M50', 'a rest forgets the loops already made', 'src/input/ModelloScansione.cpp',
     '        m_giriFatti = giri;\n', ''),
    ('M51', 'a lit group has no name for assistive technology', 'src/input/ControlloreInput.cpp',
     '        cornice->setAccessibleName(parolaDi(evidenza.gruppo, m_accesa, false));\n', ''),
    ('M52', 'the new group shows after the chosen button hides', 'src/exercises/FormEsercizio.cpp',
     '    for (BottoneColorato *b : m_command1)\n        if (gruppo == Gruppo::Numeri)\n            b->show();\n    for (BottoneColorato *b : m_command2)\n        b->setVisible(gruppo == Gruppo::Segni);\n    for (BottoneColorato *b : m_command1)\n        if (gruppo != Gruppo::Numeri)\n            b->hide();',
     '    for (BottoneColorato *b : m_command1)\n        b->setVisible(gruppo == Gruppo::Numeri);\n    for (BottoneColorato *b : m_command2)\n        b->setVisible(gruppo == Gruppo::Segni);'),
    ('M53', 'F10 is swallowed by the scan', 'src/input/ControlloreInput.cpp',
     '        if (tipo == QEvent::KeyPress && !tasto->isAutoRepeat())\n            apriBarraMenu();', '        ;'),
    ('M54', 'a new screen forgets the pause of the choice that opened it', 'src/input/ControlloreInput.cpp',
     '    m_modello.quieteAlmenoFino(m_servizi.stato.QuieteFinoMs);\n', ''),
    ('M55', 'the options saved first: a fresh folder gets no readme', 'src/shell/ServiziProgramma.cpp',
     '    const QString motivo = ModuloPerIni::SalvaImpostazioniOMotivo(stato);\n    const QString motivoOpzioni = ModuloOpzioni::SalvaOpzioniOMotivo(stato);',
     '    const QString motivoOpzioni = ModuloOpzioni::SalvaOpzioniOMotivo(stato);\n    const QString motivo = ModuloPerIni::SalvaImpostazioniOMotivo(stato);'),
    ('M56', 'the options file written through a link out of its folder', 'src/shell/ModuloOpzioni.cpp',
     'if (bersaglio.isFile() && bersaglio.canonicalPath() != QFileInfo(info.absolutePath()).canonicalFilePath())', 'if (false)'),
    ('M57', 'a planted lock with a live process number refuses the start', 'src/shell/Istanza.cpp',
     'return !eseguibile.isEmpty() && eseguibile == nomeDi(QStringLiteral("/proc/self/exe"));', 'return true;'),
    ('M58', 'another user\'s lock file is trusted', 'src/shell/Istanza.cpp',
     'if (info.exists() && info.ownerId() != ::getuid()) {', 'if (false) {'),
    ('M59', 'the confirmation sized by the window\'s height', 'src/input/ConfermaScansione.cpp',
     'scritta.setPixelSize(std::max(12, std::min(misura.height() / 4, (misura.width() - figura) / 3)));', 'scritta.setPixelSize(std::max(14, h / 18));'),
    ('M61', 'an exercise counted as not finished only when it ends', 'src/record/DiarioSqlite.cpp',
     'somma(esercizio.inizioMs, esercizio.livello, {0, 0, 0, 0, 1})', 'somma(esercizio.inizioMs, esercizio.livello, {0, 0, 0, 0, 0})'),
    ('M62', 'a locked record stops the recording for the run', 'src/record/DiarioSqlite.cpp',
     'if (errore != SqliteBusy && errore != SqliteLocked) {', 'if (true) {'),
    ('M63', 'another program\'s database gets the record\'s tables', 'src/record/DiarioSqlite.cpp',
     'if (controllo.value(0).toInt() > 0 && controllo.value(1).toInt() == 0) {', 'if (false) {'),
    ('M64', 'a failed export reported as done', 'src/record/EsportaCsv.cpp',
     'if (!intero || !scrivi() || !uscita.commit()) {', 'if (false) {'),
    ('M65', 'a CSV text taken for a formula', 'src/record/EsportaCsv.cpp',
     "        testo.prepend(QLatin1Char('\\''));\n", ''),
    ('M66', 'a dictionary with a wrong first number taken', 'src/media/EspeakEngine.cpp',
     'intero(0) != 1024 ||', 'false ||'),
    ('M67', 'SIGTERM does not end the run', 'src/shell/FineDallEsterno.cpp',
     '        congedo();\n    QCoreApplication::exit(0);', '        congedo();'),
    ('M68', 'the record opens a link to a device', 'src/record/DiarioSqlite.cpp',
     'if (!bersaglio.isFile() || bersaglio.canonicalPath() != QFileInfo(info.absolutePath()).canonicalFilePath())', 'if (false)'),
    ('M69', 'the CSV without its byte-order mark', 'src/record/EsportaCsv.cpp',
     'QByteArray testo = "\\xEF\\xBB\\xBF" + IntestazioneCsv.toUtf8()', 'QByteArray testo = IntestazioneCsv.toUtf8()'),
    ('M70', 'a chosen sign exported as its button\'s index', 'src/record/EsportaCsv.cpp',
     'if (gruppoDelPasso(passo) == Gruppo::Segni) {', 'if (false) {'),
    ('M71', 'exported seconds with a decimal point', 'src/record/EsportaCsv.cpp',
     "return locale.toString(ms.toInt() / 1000.0, 'f', QLocale::FloatingPointShortest);", 'return QString::number(ms.toInt() / 1000.0);'),
    ('M60', 'the information screen without its makers', 'src/shell/FormInfo.cpp',
     'realizzato dagli autori di Calcolotti, 2026', 'Calcolotti, versione " CALCOLOTTI_VERSIONE "'),
    ('M72', 'the report\'s levels without their bookmark', 'src/record/RelazionePdf.cpp',
     '        m_segnalibri.append({segnalibro.isEmpty() ? titolo : segnalibro, m_pagina,',
     '        if (titolo != QLatin1String("Livelli"))\n        m_segnalibri.append({segnalibro.isEmpty() ? titolo : segnalibro, m_pagina,'),
    ('M73', 'the first child\'s record written whoever is asked', 'src/shell/ComandiDiario.cpp',
     'comando.bambino = bambini.attuale().numero;', 'comando.bambino = 1;'),
    ('M74', 'a command line whose file was not written exits with 0', 'src/shell/ComandiDiario.cpp',
     '        di(errore);\n        return 1;\n    }\n    return 0;', '        di(errore);\n        return 0;\n    }\n    return 0;'),
    ('M75', 'a year drawn week by week', 'src/record/LetturaDiario.cpp',
     'giorni <= 31 * 7 ? Riepilogo::Settimana', 'giorni <= 31 * 70 ? Riepilogo::Settimana'),
    ('M76', 'every answer counted as a first try', 'src/record/DiarioSqlite.cpp',
     'const int primo = m_passiRisposti.contains(r.passo) ? 0 : 1;', 'const int primo = 1;'),
    ('M77', 'the kind of step filtered the other way', 'src/record/LetturaDiario.cpp',
     ': filtro.passi == FiltroDiario::Operazione ? QStringLiteral("operazione = 1")',
     ': filtro.passi == FiltroDiario::Operazione ? QStringLiteral("operazione = 0")'),
    ('M78', 'a label under every column', 'src/record/GraficiProgressi.cpp',
     'for (int i = 0; i < n; i += passo)', 'for (int i = 0; i < n; i += 1 + 0 * passo)'),
    ('M79', 'a moved child of the previous version imported without an update', 'src/record/DiarioSqlite.cpp',
     '        if (versione < Versione) {\n            copia =', '        if (versione < 0) {\n            copia ='),
    ('M80', 'another child\'s progress judged at the playing child\'s speed', 'src/record/FormProgressi.cpp',
     'if (numero == m_bambinoCheGioca || !servizi().bambini)', 'if (true || numero == m_bambinoCheGioca || !servizi().bambini)'),
    ('M81', 'the file dialogs write Qt\'s own settings file', 'src/shell/Main.cpp',
     '    nessunFileDiQt();\n', ''),
]


def esegui(cmd, cartella, log):
    with open(log, 'w') as f:
        return subprocess.run(cmd, cwd=cartella, stdout=f, stderr=subprocess.STDOUT, shell=True).returncode


def main():
    build = os.path.abspath(sys.argv[1]) if len(sys.argv) > 1 else os.path.join(RADICE, 'build-mutanti')
    scelti = set(sys.argv[2:])
    os.makedirs(build, exist_ok=True)
    if not os.path.exists(os.path.join(build, 'build.ninja')):
        esegui(f'cmake -S {RADICE} -B {build} -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo', RADICE,
               os.path.join(build, 'configura.log'))
    ctest = 'QT_QPA_PLATFORM=offscreen ctest -j2 --timeout 120 -E pacchetto'
    if esegui(f'cmake --build {build} -j2 && {ctest}', build, os.path.join(build, 'base.log')) != 0:
        sys.exit('the suite is not green without faults: see ' + os.path.join(build, 'base.log'))
    print('| fault | what it does | caught | failing tests |')
    print('|---|---|---|---|')
    for ident, cosa, file, vecchio, nuovo in GUASTI:
        if scelti and ident not in scelti:
            continue
        percorso = os.path.join(RADICE, file)
        originale = open(percorso, encoding='utf-8').read()
        if originale.count(vecchio) != 1:
            print(f'| {ident} | {cosa} | not applied | the text is not in {file} once |')
            continue
        try:
            open(percorso, 'w', encoding='utf-8').write(originale.replace(vecchio, nuovo))
            log = os.path.join(build, f'{ident}.log')
            inizio = time.time()
            costruito = esegui(f'cmake --build {build} -j2', build, log) == 0
            if costruito:
                esegui(ctest, build, log + '.ctest')
                testo = open(log + '.ctest').read()
                falliti = [r.split(' - ')[1].split(' ')[0] for r in testo.splitlines() if ' - tst_' in r]
                esito = 'yes' if falliti else '**no**'
            else:
                falliti, esito = ['(does not build)'], 'yes'
            print(f'| {ident} | {cosa} | {esito} | {", ".join(falliti)} |', flush=True)
            print(f'  {ident}: {time.time() - inizio:.0f} s', file=sys.stderr)
        finally:
            open(percorso, 'w', encoding='utf-8').write(originale)
            os.utime(percorso)


if __name__ == '__main__':
    main()
