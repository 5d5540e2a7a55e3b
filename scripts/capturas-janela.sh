#!/usr/bin/env bash
# Screenshots of every tab of the window over the scanned example media, under Xvfb, into docs/.
# Usage: scripts/capturas-janela.sh [media folder] [output folder]
set -euo pipefail
cd "$(dirname "$0")/.."
midias=${1:-examples/midias}
saida=${2:-docs}
cmake --build --preset default --target captura-janela Morvanta >/dev/null
trabalho=$(mktemp -d)
trap 'rm -rf "$trabalho"' EXIT
# Today is fixed in the examples' month after, so the window proposes their period (05/2017).
ZQ_HOJE=2017-06-15 TMPDIR="$trabalho" ZQ_REGISTRO="$trabalho/registro.reg" LC_ALL=C.UTF-8 \
  xvfb-run -a -s "-screen 0 1280x1024x24" build/default/bin/captura-janela "$midias" "$saida"
