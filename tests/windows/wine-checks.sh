#!/usr/bin/env bash
# Checks of the Windows build under Wine, one per call:
#   wine-checks.sh CHECK WIN_BIN LINUX_BIN [ARGS...]
# WIN_BIN holds Morvanta.dll and the Windows programs, LINUX_BIN the Linux host
# stand-in and libMorvanta.so. "mesmo-relatorio" critiques one declaration with
# both hosts and wants the same result, report bytes and desktop messages.
set -euo pipefail

check=$1 win_bin=$(realpath "$2") linux_bin=$(realpath "$3")
shift 3

export WINEDEBUG=${WINEDEBUG:--all}
export WINEPREFIX=${WINEPREFIX:-${ZQ_WIN32_CACHE:-$HOME/.cache/gim-zq/win32-i686}/wine}
export ZQ_DESKTOP=0            # message boxes and Notepad go to standard error
export ZQ_HOJE=${ZQ_HOJE:-2018-06-15}
# Wine's ANSI code page follows the locale: CP1252 for C and the Latin ones.
export LC_ALL=C.UTF-8

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FALHOU: $*" >&2
  exit 1
}

# Windows' own DLLs: all the DLL and the programs may import.
windows_dlls='^(kernel32|user32|shell32|advapi32|version|msvcrt|bcrypt|ws2_32|ole32|shlwapi)\.dll$'

# Critiques $1 (copied to the relative path $2; none when empty) with the host
# $3 of both builds, each in a folder of its own with a folder "saida", writing
# the report to the relative path $4. Sets linux_result and windows_result.
critique_with_both() {
  local declaration=$1 input=$2 host=$3 report=$4 side
  for side in linux windows; do
    mkdir -p "$work/$side/$(dirname "$input")" "$work/$side/saida" "$work/$side-tmp"
    [ -z "$declaration" ] || cp "$declaration" "$work/$side/$input"
  done
  set +e
  (cd "$work/linux" && TMPDIR=$work/linux-tmp "$linux_bin/$host" "$input" "$report" 2>"$work/linux.err")
  linux_result=$?
  (cd "$work/windows" && wine "$win_bin/$host.exe" "$input" "$report" 2>"$work/windows.err")
  windows_result=$?
  set -e
}

# Both builds answer alike: result, report bytes (when there is a report) and
# what the user would see (message boxes and Notepad, here on standard error).
expect_same() {
  local report=$1
  [ "$linux_result" -eq "$windows_result" ] || fail "resultado Linux $linux_result, Windows $windows_result"
  if [ -f "$work/linux/$report" ] || [ -f "$work/windows/$report" ]; then
    cmp "$work/linux/$report" "$work/windows/$report" ||
      { diff <(iconv -f CP1252 -t UTF-8 "$work/linux/$report") <(iconv -f CP1252 -t UTF-8 "$work/windows/$report") >&2
        fail "relatórios diferentes"; }
  fi
  diff "$work/linux.err" <(tr -d '\r' <"$work/windows.err") >&2 || fail "mensagens ao usuário diferentes"
  echo "resultado $linux_result, relatório e mensagens iguais"
}

# Same report with the default host: $1 declaration, $2 input, $3 report, $4 the
# expected result ("any": whatever the Linux build answers).
same_report() {
  critique_with_both "$1" "$2" ValidadorSintegra2018 "$3"
  expect_same "$3"
  [ "$4" = any ] || [ "$linux_result" -eq "$4" ] || fail "resultado $linux_result, esperado $4"
}

case $check in
  exports)
    # One undecorated export in the DLL; nothing but Windows' own DLLs imported.
    dump=$(i686-w64-mingw32-objdump -p "$win_bin/Morvanta.dll")
    exports=$(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$dump" | sed -n 's/^\s*\[\s*[0-9]*\] //p')
    [ "$exports" = CriticaEspecifica ] || fail "exportações: $exports"
    for binary in "$win_bin"/*.dll "$win_bin"/*.exe; do
      while read -r dll; do
        grep -qiE "$windows_dlls" <<<"$dll" || fail "$(basename "$binary") importa $dll"
      done < <(i686-w64-mingw32-objdump -p "$binary" | sed -n 's/^\s*DLL Name: //p')
    done
    echo "exporta só CriticaEspecifica; importa só DLLs do Windows"
    ;;
  versao)
    # $1 file in WIN_BIN, $2 the version its resource must read back as.
    version=$(wine "$win_bin/ConsultaPlataforma.exe" versao "$1" | tr -d '\r') || fail "$1 sem versão"
    [ "$version" = "$2" ] || fail "$1: versão $version, esperada $2"
    echo "$1: $version"
    ;;
  sem-versao)
    cp "$1" "$work/sem-versao.txt"
    ! wine "$win_bin/ConsultaPlataforma.exe" versao "$work/sem-versao.txt" >/dev/null || fail "versão de um texto"
    echo "arquivo sem recurso de versão: nenhuma"
    ;;
  app-paths)
    # The default value of an App Paths key, quoted or not; nothing for an unknown program.
    key='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\App Paths'
    wine reg add "$key\\ZqTeste1.exe" /ve /d 'C:\Programas\Validação\ZqTeste1.exe' /f >/dev/null 2>&1
    wine reg add "$key\\ZqTeste2.exe" /ve /d '"C:\Arquivos de Programas\ZqTeste2.exe"' /f >/dev/null 2>&1
    [ "$(wine "$win_bin/ConsultaPlataforma.exe" registrado ZqTeste1.exe | tr -d '\r')" = 'C:\Programas\Validação\ZqTeste1.exe' ] ||
      fail "App Paths de ZqTeste1.exe"
    [ "$(wine "$win_bin/ConsultaPlataforma.exe" registrado ZqTeste2.exe | tr -d '\r')" = 'C:\Arquivos de Programas\ZqTeste2.exe' ] ||
      fail "App Paths entre aspas de ZqTeste2.exe"
    ! wine "$win_bin/ConsultaPlataforma.exe" registrado ZqNaoInstalado.exe >/dev/null || fail "programa não registrado"
    wine reg delete "$key\\ZqTeste1.exe" /f >/dev/null 2>&1
    wine reg delete "$key\\ZqTeste2.exe" /f >/dev/null 2>&1
    echo "App Paths lidos"
    ;;
  pastas)
    program=$(wine "$win_bin/ConsultaPlataforma.exe" programa | tr -d '\r')
    [[ $program == *'\ConsultaPlataforma.exe' ]] || fail "programa em execução: $program"
    temporary=$(wine "$win_bin/ConsultaPlataforma.exe" temporaria | tr -d '\r')
    [ -d "$(wine winepath -u "$temporary" 2>/dev/null)" ] || fail "pasta temporária: $temporary"
    echo "programa $program; temporária $temporary"
    ;;
  zip)
    # An encrypted archive written, listed and extracted in a folder with accents;
    # the files land under the same names in the Linux file system.
    mkdir -p "$work/Mídias de Março"
    (cd "$work" && wine "$win_bin/ZipCp1252.exe" "Mídias de Março" | tr -d '\r') || fail "ZIP"
    [ -f "$work/Mídias de Março/mídia de março.zip" ] && [ -f "$work/Mídias de Março/extraídos/declaração.txt" ] ||
      fail "arquivos fora dos nomes esperados: $(find "$work" -type f)"
    ;;
  mesmo-relatorio)
    # $1 declaration, $2 expected result; optional $3 and $4 relative input and report paths.
    same_report "$1" "${3:-entrada/declaracao.txt}" "${4:-saida/relatorio.txt}" "$2"
    ;;
  entrada-inexistente)
    same_report "" entrada/nao-existe.txt saida/relatorio.txt 1
    ;;
  pasta-de-saida-inexistente)
    same_report "$1" entrada/declaracao.txt nao-existe/relatorio.txt 1
    [ ! -e "$work/windows/nao-existe" ] || fail "pasta de saída criada"
    ;;
  host-obsoleto)
    critique_with_both "$1" entrada/declaracao.txt ValidadorSintegraObsoleto saida/relatorio.txt
    [ "$linux_result" -eq 2 ] && [ "$windows_result" -eq 2 ] || fail "resultados $linux_result e $windows_result"
    report=$(iconv -f CP1252 -t UTF-8 "$work/windows/saida/relatorio.txt")
    grep -q 'Validador Sintegra OBSOLETO: ValidadorSintegraObsoleto.exe - 5.2.0.8' <<<"$report" ||
      fail "sem a rejeição de host obsoleto"
    # The same report but for the program's file name.
    cmp <(sed 's/ValidadorSintegraObsoleto\.exe/ValidadorSintegraObsoleto/' "$work/windows/saida/relatorio.txt") \
      "$work/linux/saida/relatorio.txt" || fail "relatórios diferentes além do nome do programa"
    echo "host 5.2.0.8 rejeitado"
    ;;
  sem-biblioteca)
    cp "$win_bin/ValidadorSintegra2018.exe" "$work/"
    set +e
    wine "$work/ValidadorSintegra2018.exe" "$1" "$work/relatorio.txt" 2>"$work/erro.txt"
    result=$?
    set -e
    [ "$result" -eq 3 ] || fail "resultado $result, esperado 3"
    grep -q 'Morvanta.dll' "$work/erro.txt" || fail "erro sem o nome da biblioteca"
    echo "sem Morvanta.dll: resultado 3"
    ;;
  convencao-cdecl)
    # $1 a Morvanta.dll whose export is cdecl, $2 a declaration.
    cp "$win_bin/ValidadorSintegra2018.exe" "$1" "$work/"
    set +e
    wine "$work/ValidadorSintegra2018.exe" "$2" "$work/relatorio.txt" 2>"$work/erro.txt"
    result=$?
    set -e
    [ "$result" -eq 3 ] || fail "resultado $result, esperado 3"
    grep -q 'stdcall' "$work/erro.txt" || fail "convenção errada não apontada"
    echo "export cdecl: resultado 3"
    ;;
  chamadas-repetidas)
    # $1 declaration, $2 number of calls in one process.
    cp "$1" "$work/declaracao.txt"
    (cd "$work" && wine "$win_bin/ChamadasRepetidas.exe" "$2" declaracao.txt relatorio.txt 2>"$work/erro.txt" |
      tr -d '\r') || { grep -v '^\[' "$work/erro.txt" >&2; fail "chamadas repetidas"; }
    ;;
  *)
    fail "verificação desconhecida: $check"
    ;;
esac
