#!/usr/bin/env bash
# Sets up the machine, builds, and critiques the shipped example declaration
# with the host stand-in; prints the report.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh default
bin=build/default/bin
declaracao=${1:-examples/gim-mensal-201705.txt}
relatorio=$(mktemp -d)/relatorio.txt
set +e
"$bin/ValidadorSintegra2018" "$declaracao" "$relatorio"
resultado=$?
set -e
iconv -f CP1252 -t UTF-8 "$relatorio" | tr -d '\r'
echo "Resultado: $resultado"
