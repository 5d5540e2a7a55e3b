#!/usr/bin/env bash
# Runs the libFuzzer targets of fuzz/ for a given time each, from seed corpora of the examples and the test
# fixtures. Findings (crash-*, leak-*, timeout-*) are written to build/fuzz/achados/<target>/.
#
#   scripts/fuzz.sh [seconds per target] [target...]
#
# Targets: critica_fuzz registros_fuzz relatorio_fuzz transmissao_fuzz midia_fuzz pacote_referencia_fuzz (all by
# default).
set -euo pipefail
cd "$(dirname "$0")/.."

segundos="${1:-60}"
shift || true
alvos=("$@")
if [ ${#alvos[@]} -eq 0 ]; then
  alvos=(critica_fuzz registros_fuzz relatorio_fuzz transmissao_fuzz midia_fuzz pacote_referencia_fuzz)
fi

[ -d build/fuzz ] || scripts/setup.sh fuzz
cmake --build --preset fuzz --target "${alvos[@]}" pacote_morvanta

bin=build/fuzz/bin
declaracoes=(examples/*.txt tests/record-model/dados/*.txt tests/windows/dados/*.txt /work/shared/samples/external/*.txt)

# The seeds of a target, copied into its working corpus (which keeps what the fuzzer adds).
sementes() {
  local alvo="$1" corpus="$2"
  mkdir -p "$corpus"
  case "$alvo" in
    critica_fuzz|registros_fuzz|relatorio_fuzz) cp -n "${declaracoes[@]}" "$corpus"/ 2>/dev/null || true ;;
    transmissao_fuzz) cp -n fuzz/sementes/transmissao/* "$corpus"/ ;;
    midia_fuzz) cp -n examples/midias/*.zip "$corpus"/ ;;
    pacote_referencia_fuzz) cp -n "$bin/Morvanta.cri" "$corpus"/ ;;
  esac
}

dicionario() {
  case "$1" in
    critica_fuzz|registros_fuzz|relatorio_fuzz) echo fuzz/registros.dict ;;
    transmissao_fuzz) echo fuzz/recibos.dict ;;
    *) echo fuzz/zip.dict ;;
  esac
}

falhas=0
for alvo in "${alvos[@]}"; do
  corpus="build/fuzz/corpus/$alvo"
  achados="build/fuzz/achados/$alvo"
  sementes "$alvo" "$corpus"
  mkdir -p "$achados"
  echo "== $alvo: ${segundos}s"
  if ! "$bin/$alvo" -max_total_time="$segundos" -timeout=20 -rss_limit_mb=2048 -max_len=65536 \
        -dict="$(dicionario "$alvo")" -artifact_prefix="$achados/" -print_final_stats=1 \
        "$corpus" 2>"build/fuzz/$alvo.log"; then
    falhas=1
    echo "   finding: see build/fuzz/$alvo.log and $achados/"
  fi
  grep -E "^stat::number_of_executed_units|cov:" "build/fuzz/$alvo.log" | tail -2 || true
done
exit "$falhas"
