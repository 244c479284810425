#!/usr/bin/env bash
# Installs the build into a temporary root and checks what a desktop expects
# there: manual pages, bash completion, icons, a .desktop file and AppStream
# metainfo that their validators accept, and the licence. Then checks that
# every option tessaly-cli --help lists is in its manual page, its bash
# completion and the README.
#   InstallTreeCheck.sh BUILD_DIR SOURCE_DIR WITH_QT(ON|OFF)
set -euo pipefail
build=$1 source=$2 with_qt=$3
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cmake --install "$build" --prefix "$root/usr" >/dev/null
share=$root/usr/share
failed=0
need() { [ -e "$1" ] || { echo "missing: ${1#"$root"}"; failed=1; }; }

need "$root/usr/bin/tessaly-cli"
need "$share/man/man1/tessaly-cli.1.gz"
need "$share/bash-completion/completions/tessaly-cli"
need "$share/doc/tessaly/copyright"
need "$share/doc/tessaly/changelog.gz"
if [ "$with_qt" = ON ]; then
  need "$root/usr/bin/tessaly"
  need "$share/man/man1/tessaly.1.gz"
  need "$share/icons/hicolor/scalable/apps/tessaly.svg"
  for size in 16 22 24 32 48 64 128 256; do need "$share/icons/hicolor/${size}x${size}/apps/tessaly.png"; done
  desktop-file-validate "$share/applications/tessaly.desktop" || failed=1
  appstreamcli validate-tree --no-net "$root" || failed=1
fi
for page in "$share"/man/man1/*.1.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || { echo "$(basename "$page"): $warnings"; failed=1; }
done

# Every option of --help, everywhere a user looks for it.
options=$("$root/usr/bin/tessaly-cli" --help | grep -oE '^ +(-[a-z], )?--[a-z-]+' | grep -oE -- '--[a-z-]+')
page=$(gzip -dc "$share/man/man1/tessaly-cli.1.gz" | sed 's/\\-/-/g')
completion=$share/bash-completion/completions/tessaly-cli
for option in $options; do
  grep -qe "$option\b" <<<"$page" || { echo "$option not in the manual page"; failed=1; }
  grep -qe "$option\b" "$completion" || { echo "$option not in the bash completion"; failed=1; }
  grep -qe "$option\b" "$source/README.md" || { echo "$option not in README.md"; failed=1; }
done
# The completion offers them as bash would ask for them.
offered=$(bash -c 'source "$1"; COMP_WORDS=(tessaly-cli --ve); COMP_CWORD=1; _tessaly_cli; echo "${COMPREPLY[*]}"' _ "$completion")
[ "$offered" = --version ] || { echo "completion of --ve offers '$offered'"; failed=1; }

exit $failed
