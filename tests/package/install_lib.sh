# Shared by the installation and package tests: the file list of an installed tree and its checks.
# Source it after simlib.sh; BUILD is the build folder.
HELP_PAGE="QTR-5190 r4-5 JUN 08 Rnimbro-v9.html"
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Files and links below $1 relative to it, links with their targets, sorted.
tree_list() {
    (cd "$1" && find . \( -type f -printf '%P\n' \) -o \( -type l -printf '%P -> %l\n' \) | LC_ALL=C sort)
}

# The expected list, with the help page when the build made one.
expected_list() {
    { cat "$HERE/expected-files.txt"
      [ -f "$BUILD/bin/$HELP_PAGE" ] && echo "lib/tarvo_ems/QTR5190MX/$HELP_PAGE"
    } | LC_ALL=C sort
}

# Validates the desktop entry, the AppStream metadata and the manual pages of the tree at prefix $1.
check_desktop_and_man() {
    local p=$1 out
    out=$(desktop-file-validate "$p/share/applications/com.tarvo.qtr5190mx.desktop" 2>&1) ||
        fail "desktop-file-validate: $out"
    [ -z "$out" ] || fail "desktop-file-validate says: $out"
    out=$(appstreamcli validate --no-net "$p/share/metainfo/com.tarvo.qtr5190mx.metainfo.xml" 2>&1) ||
        fail "appstreamcli validate: $out"
    grep -q "^[EW]:" <<<"$out" && fail "appstreamcli warns: $out"
    for page in "$p"/share/man/man1/*.1.gz; do
        out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
        [ -z "$out" ] || fail "$(basename "$page"): $out"
        zcat "$page" | grep -q '^\.SH EXIT STATUS' || fail "$(basename "$page") has no EXIT STATUS"
        zcat "$page" | grep -q '@PROJECT_VERSION@' && fail "$(basename "$page") keeps a placeholder"
    done
}
