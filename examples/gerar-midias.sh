#!/usr/bin/env bash
# Writes examples/midias/: media ZIPs as the national validator's "Gerar Mídia" writes them (password,
# summary file "Validacao2.resumo", CFOP lists, one declaration TXT), made from our example declaration:
# the monthly GIM of 05/2017 and its rectification.
# Usage: examples/gerar-midias.sh   (needs the "zip" program; try: build/default/bin/xrazq varrer examples/midias)
set -euo pipefail
cd "$(dirname "$0")"
command -v zip >/dev/null || { echo "gerar-midias: falta o programa zip (apt-get install zip)" >&2; exit 1; }

senha='qzt41mew%&+=?!#kdr:x'
origem=gim-mensal-201705.txt
destino=midias
montagem=$(mktemp -d)
trap 'rm -rf "$montagem"' EXIT
mkdir -p "$destino"
rm -f "$destino"/*.zip

# $1 ZIP name, $2 TXT name, $3 declaration file
midia() {
  local pasta="$montagem/$1"
  mkdir -p "$pasta"
  cp "$3" "$pasta/$2"
  printf 'Resumo da validação do arquivo %s\r\nResultado: arquivo validado sem erros\r\nVersão do Validador Sintegra:\r\n5.2.0.9\r\nFim do resumo\r\n' "$2" \
    | iconv -f UTF-8 -t CP1252 > "$pasta/Validacao2.resumo"
  printf '5102;1700,00\r\n5403;0,00\r\n' > "$pasta/Saidas.cfop"
  printf '1102;800,00\r\n' > "$pasta/Entradas.cfop"
  touch -d '2017-06-10 09:30:00' "$pasta"/*
  (cd "$pasta" && zip -q -X -P "$senha" "$OLDPWD/$destino/$1" "$2" Validacao2.resumo Saidas.cfop Entradas.cfop)
}

midia 12345678000195_201705.zip GIM201705.TXT "$origem"

# The rectification: purpose code 2 in record 10, delivery type R in the type-88 headers.
retificadora="$montagem/retificadora.txt"
awk 'BEGIN { RS = "\r\n"; ORS = "\r\n" }
     /^10/ { $0 = substr($0, 1, 125) "2" }
     /^88(01|02|04)/ { $0 = substr($0, 1, 19) "R" substr($0, 21) }
     { print }' "$origem" > "$retificadora"
midia 12345678000195_201705_retificadora.zip GIM201705R.TXT "$retificadora"

ls -l "$destino"
