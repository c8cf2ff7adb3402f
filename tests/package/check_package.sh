#!/usr/bin/env bash
# The Debian package, built from an existing build folder and checked the way a
# distribution checks its own. One check per call, so CTest reports each:
#   check_package.sh <check> <build folder> <source folder> <version> <AppStream id>
# checks: deb (builds the packages; the others need it), contenuto, desktop,
# metainfo, lintian, verifica, pulizia (removes what deb made).
# Everything is written in one temporary folder named after the build folder.
# A check whose tool is missing exits 77, which CTest reports as skipped.
set -euo pipefail

controllo=$1 build=$2 sorgenti=$3 versione=$4 id=$5
chiave=$(printf '%s' "$build" | md5sum | cut -c1-12)
lavoro="${TMPDIR:-/tmp}/calcolotti-pacchetto-$chiave"
architettura=$(dpkg --print-architecture 2>/dev/null || echo amd64)
deb="$lavoro/deb/calcolotti_${versione}_$architettura.deb"
dbgsym="$lavoro/deb/calcolotti-dbgsym_${versione}_$architettura.deb"

salta() {
  echo "SKIPPED: $1"
  exit 77
}

serve() {  # serve <command> <Debian package>
  command -v "$1" >/dev/null || salta "$1 is not installed (apt install $2)"
}

fallisce() {
  echo "FAILED: $1"
  exit 1
}

pacchetti() {  # the packages built by the deb check, or the reason they are not there
  if [ -f "$lavoro/saltato" ]; then salta "no package: $(cat "$lavoro/saltato")"; fi
  [ -f "$deb" ] || fallisce "$deb was not built"
  [ -f "$dbgsym" ] || fallisce "$dbgsym was not built"
}

estrai() {  # estrai <folder>: the main package unpacked into a fresh folder
  rm -rf "$1"
  mkdir -p "$1"
  dpkg-deb -x "$deb" "$1"
}

case "$controllo" in
deb)
  rm -rf "$lavoro"
  mkdir -p "$lavoro"
  for strumento in dpkg-deb:dpkg dpkg-shlibdeps:dpkg-dev file:file objcopy:binutils readelf:binutils; do
    if ! command -v "${strumento%%:*}" >/dev/null; then
      echo "${strumento%%:*} is not installed (apt install ${strumento#*:})" > "$lavoro/saltato"
      salta "$(cat "$lavoro/saltato")"
    fi
  done
  # gzip instead of ./package's xz: the same contents, packed in half the time.
  cpack --config "$build/CPackConfig.cmake" -B "$lavoro/deb" -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip
  ls -l "$lavoro/deb"/*.deb
  pacchetti
  ;;

contenuto)
  pacchetti
  campo() { dpkg-deb -f "$1" "$2"; }
  [ "$(campo "$deb" Package)" = calcolotti ] || fallisce "package name $(campo "$deb" Package)"
  [ "$(campo "$deb" Version)" = "$versione" ] || fallisce "version $(campo "$deb" Version), not $versione"
  [ "$(campo "$deb" Section)" = education ] || fallisce "section $(campo "$deb" Section)"
  [ -n "$(campo "$deb" Maintainer)" ] || fallisce "no maintainer"
  dipendenze=$(campo "$deb" Depends)
  echo "Depends: $dipendenze"
  # From the binaries (shlibdeps), then what the program loads at run time.
  for richiesto in libespeak-ng1 libqt6widgets6 libqt6multimedia6 libc6 \
    espeak-ng-data qt6-qpa-plugins libqt6sql6-sqlite libqt6charts6 qt6-translations-l10n fonts-comic-neue; do
    grep -Eq "(^|, )$richiesto( |,|$)" <<<"$dipendenze" || fallisce "Depends lacks $richiesto"
  done
  # A package named by hand and found again by shlibdeps would appear twice.
  doppi=$(sed 's/, /\n/g' <<<"$dipendenze" | awk '{print $1}' | sort | uniq -d)
  [ -z "$doppi" ] || fallisce "Depends names more than once: $doppi"
  # What opens the guide from the menu.
  [ "$(campo "$deb" Recommends)" = "xdg-utils, evince | okular | atril | mupdf" ] ||
    fallisce "Recommends: $(campo "$deb" Recommends)"

  elenco=$(dpkg-deb -c "$deb" | awk '{print $NF}')
  for percorso in usr/bin/calcolotti \
    usr/share/calcolotti/scenes/a1.svg usr/share/calcolotti/scenes/a30.svg \
    usr/share/calcolotti/scenes/b1.svg usr/share/calcolotti/scenes/b23.svg \
    usr/share/calcolotti/suoni/si/1.wav usr/share/calcolotti/suoni/no/1.wav \
    usr/share/doc/calcolotti/calcolottisv.pdf usr/share/doc/calcolotti/copyright \
    usr/share/doc/calcolotti/changelog.gz \
    usr/share/applications/calcolotti.desktop "usr/share/metainfo/$id.metainfo.xml" \
    usr/share/icons/hicolor/scalable/apps/calcolotti.svg \
    usr/share/man/man6/calcolotti.6.gz usr/share/man/it/man6/calcolotti.6.gz; do
    grep -qx "\./$percorso" <<<"$elenco" || fallisce "the package lacks /$percorso"
  done

  radice="$lavoro/contenuto"
  estrai "$radice"
  for lato in 48 64 128 256; do
    png="$radice/usr/share/icons/hicolor/${lato}x$lato/apps/calcolotti.png"
    [ -f "$png" ] || fallisce "no ${lato} px icon"
    file "$png" | grep -q "PNG image data, $lato x $lato," || fallisce "$(file "$png")"
  done
  # The program and the module it loads: stripped, their debug information in
  # the dbgsym package, named by their build ids.
  modulo=$(compgen -G "$radice/usr/lib/*/calcolotti/libcalcolotti_estensioni.so" || true)
  [ -n "$modulo" ] || fallisce "the package lacks the module libcalcolotti_estensioni.so"
  for binario in "$radice/usr/bin/calcolotti" "$modulo"; do
    descrizione=$(file "$binario")
    echo "$descrizione"
    grep -q ", stripped" <<<"$descrizione" || fallisce "$binario is not stripped"
    idbuild=$(readelf -n "$binario" | sed -n 's/.*Build ID: \([0-9a-f]*\).*/\1/p')
    [ -n "$idbuild" ] || fallisce "$binario has no build id"
    simboli="./usr/lib/debug/.build-id/${idbuild:0:2}/${idbuild:2}.debug"
    dpkg-deb -c "$dbgsym" | awk '{print $NF}' | grep -qx "$simboli" || fallisce "the dbgsym package lacks $simboli"
  done
  [ "$(dpkg-deb -f "$dbgsym" Depends)" = "calcolotti (= $versione)" ] || fallisce "dbgsym Depends $(dpkg-deb -f "$dbgsym" Depends)"
  echo "contents as expected"
  ;;

desktop)
  serve desktop-file-validate desktop-file-utils
  uscita=$(desktop-file-validate "$sorgenti/packaging/calcolotti.desktop" 2>&1) || true
  [ -z "$uscita" ] || fallisce "desktop-file-validate: $uscita"
  echo "desktop entry valid, no warnings"
  ;;

metainfo)
  serve appstreamcli appstream
  # valida validate|validate-tree <path>: strict, nothing but pedantic notes.
  # AppStream before 1.0 (Debian 12 has 0.16) does not know <developer>, which
  # 1.0 reads in place of the old developer_name: there its one note about
  # that tag is accepted, anything else still fails.
  valida() {
    local rapporto altri
    if rapporto=$(appstreamcli "$1" --no-net --strict --explain "$2" 2>&1); then
      echo "$rapporto"
      return 0
    fi
    echo "$rapporto"
    [ "$(appstreamcli --version | sed -n 's/.*version: *\([0-9]*\)\..*/\1/p')" = 0 ] || return 1
    altri=$(grep -E '^ *[EWI]: ' <<<"$rapporto" | grep -v ': unknown-tag developer$' || true)
    [ -z "$altri" ]
  }
  # As installed, and with the screenshots part filled in.
  for file in "$build/$id.metainfo.xml" "$build/packaging/metainfo-con-screenshots.xml"; do
    valida validate "$file" || fallisce "appstreamcli validate $file"
  done
  # The metadata among the files it refers to, as a software centre reads them.
  pacchetti
  radice="$lavoro/metainfo"
  estrai "$radice"
  valida validate-tree "$radice" || fallisce "appstreamcli validate-tree"
  ;;

lintian)
  serve lintian lintian
  pacchetti
  # Errors fail; anything else is shown, to be looked at.
  rapporto=$(lintian --tag-display-limit 0 --display-info "$deb" "$dbgsym" 2>&1) || true
  echo "$rapporto"
  ! grep -q '^E: ' <<<"$rapporto" || fallisce "lintian reports errors"
  ;;

verifica)
  pacchetti
  radice="$lavoro/verifica"
  estrai "$radice"
  # Every folder the program writes in lies inside the unpacked tree: its
  # options, its record (diario.sqlite), its cache and its lock never reach the
  # caller's own folders.
  export HOME="$radice/home" TMPDIR="$radice/tmp"
  export XDG_CONFIG_HOME="$radice/home/.config" XDG_DATA_HOME="$radice/home/.local/share"
  export XDG_CACHE_HOME="$radice/home/.cache" XDG_STATE_HOME="$radice/home/.local/state"
  export XDG_RUNTIME_DIR="$radice/run" QT_QPA_PLATFORM=offscreen
  mkdir -p "$HOME" "$TMPDIR" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_STATE_HOME" \
    "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  programma="$radice/usr/bin/calcolotti"

  # Another copy running holds the single-instance lock; the check still runs.
  "$programma" >"$radice/copia.log" 2>&1 &
  copia=$!
  trap 'kill "$copia" 2>/dev/null || true' EXIT
  for _ in $(seq 100); do
    [ -f "$XDG_DATA_HOME/calcolotti/calcolotti.lock" ] && break
    sleep 0.1
  done
  [ -f "$XDG_DATA_HOME/calcolotti/calcolotti.lock" ] || fallisce "the installed program did not start: $(cat "$radice/copia.log")"

  # A terminal user's --help and --version: an answer and exit 0, no display needed.
  aiuto=$(env -u DISPLAY -u QT_QPA_PLATFORM "$programma" --help) || fallisce "--help failed"
  grep -q -- "--verifica" <<<"$aiuto" || fallisce "--help does not name --verifica: $aiuto"
  versione=$(env -u DISPLAY -u QT_QPA_PLATFORM "$programma" --version) || fallisce "--version failed"
  grep -q "^Calcolotti, versione [0-9]" <<<"$versione" || fallisce "--version printed: $versione"

  uscita=$("$programma" --verifica) || fallisce "--verifica failed: $uscita"
  echo "$uscita"
  for atteso in "scene di addizione: 30" "scene di sottrazione: 23" "suoni di risposta giusta" \
    "suoni di risposta sbagliata" "guida: $radice/usr/share/doc/calcolotti/calcolottisv.pdf" \
    "voce: espeak-ng" "cartella dei dati: $radice/usr/share/calcolotti"; do
    grep -qF "$atteso" <<<"$uscita" || fallisce "--verifica did not report \"$atteso\""
  done

  # Something taken away is named, and the check fails.
  rm "$radice/usr/share/calcolotti/scenes/b7.svg" "$radice/usr/share/doc/calcolotti/calcolottisv.pdf" \
    "$radice"/usr/lib/*/calcolotti/libcalcolotti_estensioni.so
  if uscita=$("$programma" --verifica); then fallisce "--verifica passed with files missing"; fi
  echo "$uscita"
  grep -q "scenes/b7.svg" <<<"$uscita" || fallisce "--verifica did not name the missing scene"
  grep -q "MANCA la guida" <<<"$uscita" || fallisce "--verifica did not name the missing guide"
  grep -q "MANCA il modulo.*libcalcolotti_estensioni.so" <<<"$uscita" || fallisce "--verifica did not name the missing module"
  ;;

pulizia)
  rm -rf "$lavoro"
  ;;

*)
  fallisce "unknown check $controllo"
  ;;
esac
