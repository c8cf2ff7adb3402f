#!/usr/bin/env bash
# Builds the settings-reader fuzzer with clang and runs it for the given number
# of seconds (default 10):   fuzz/run.sh 600
set -euo pipefail
cd "$(dirname "$0")/.."
secondi=${1:-10}
out=build-fuzz
mkdir -p "$out/corpus"
sorgenti=(fuzz/fuzz_impostazioni.cpp src/shell/ModuloPerIni.cpp src/core/StatoProgramma.cpp
          src/core/Registri.cpp)
for f in "${sorgenti[@]}"; do
  [ -f "$f" ] || { echo "fuzz: $f is missing"; exit 1; }
done
ricompila=0
[ -x "$out/fuzz_impostazioni" ] || ricompila=1
for f in "${sorgenti[@]}"; do [ "$f" -nt "$out/fuzz_impostazioni" ] && ricompila=1; done
if [ "$ricompila" = 1 ]; then
  clang++ -std=c++17 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -Isrc \
    $(pkg-config --cflags Qt6Core) "${sorgenti[@]}" $(pkg-config --libs Qt6Core) \
    -o "$out/fuzz_impostazioni"
fi
esito=0
"$out/fuzz_impostazioni" -max_total_time="$secondi" -print_final_stats=1 \
  "$out/corpus" fuzz/corpus/impostazioni > "$out/ultimo.log" 2>&1 || esito=$?
grep -E "stat::number_of_executed_units|ERROR|SUMMARY" "$out/ultimo.log" || true
if [ "$esito" -ne 0 ]; then
  echo "fuzz: finding, see $out/ultimo.log and the crash-* file"; exit 1
fi
echo "fuzz: settings reader, ${secondi}s, no finding"
