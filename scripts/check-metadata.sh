#!/usr/bin/env bash
# Checks what is installed beside the binary: the desktop entry and the
# AppStream metadata validate, the manual page formats without a warning, and
# it names every subcommand and option that GLIFORA --help and each
# "GLIFORA SUB --help" print.
#   scripts/check-metadata.sh [GLIFORA]      (default build/src/app/glifora)
set -euo pipefail
cd "$(dirname "$0")/.."
glifora="${1:-build/src/app/glifora}"
status=0
fail() { echo "FALLO: $*" >&2; status=1; }

for tool in desktop-file-validate appstreamcli man; do
  command -v "$tool" >/dev/null || { echo "falta $tool (scripts/setup.sh instala desktop-file-utils, appstream y man-db)" >&2; exit 1; }
done
desktop-file-validate data/glifora.desktop || fail "data/glifora.desktop"
appstreamcli validate --no-net --explain data/*.metainfo.xml >/dev/null ||
  { appstreamcli validate --no-net data/*.metainfo.xml >&2; fail "metainfo"; }

# groff's warnings (-ww) go to stderr; any is a fault of the page.
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l data/glifora.1 2>&1 >/dev/null || true)
[ -z "$warnings" ] || fail "data/glifora.1: $warnings"

# The page's text with troff's escaped hyphens made plain.
page=$(sed 's/\\-/-/g' data/glifora.1)
help=$("$glifora" --help)
subcommands=$(grep -oE '^  glifora [a-z]+' <<<"$help" | awk '{print $2}')
[ -n "$subcommands" ] || fail "$glifora --help no lista ninguna orden"
# The options a help text names: words that start with one or two hyphens.
options_in() { grep -oE '(^|[^a-zA-Z-])--?[a-z][a-z-]*' | grep -oE -- '--?[a-z][a-z-]*' || true; }
options=$(options_in <<<"$help")
for sub in $subcommands; do
  grep -qE "^\.B $sub\$" <<<"$page" || fail "glifora.1 no describe la orden $sub"
  options+=$'\n'$("$glifora" "$sub" --help | options_in)
done
for option in $(sort -u <<<"$options"); do
  grep -qE -- "^\.(B|BI|BR) $option( |\$|,)" <<<"$page" || fail "glifora.1 no describe la opción $option"
done
grep -q '^\.SH "ESTADO DE SALIDA"' <<<"$page" || fail "glifora.1 no tiene ESTADO DE SALIDA"
[ $status -eq 0 ] && echo "metadatos y página de manual: correctos"
exit $status
