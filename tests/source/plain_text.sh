#!/bin/sh
# Text from the switch, a profile or the operator is shown as plain text. Qt guesses markup from the text
# in labels, message boxes and tooltips, so every label is made through TvPlainText, every message box
# through TvMessageBox, and every tooltip passes TvPlainText::ToolTip. Fails, naming the lines, when a
# widget that would take text as markup comes back.
set -eu
root=${1:?usage: plain_text.sh SOURCE_DIR}
cd "$root"
dirs="app binding configform guibase monitors windows"
status=0
report() {
    if [ -n "$2" ]; then
        echo "$1:"
        echo "$2"
        status=1
    fi
}
report "A label made without TvPlainText::NewLabel" "$(grep -rnE 'new QLabel\b' --include='*.cpp' --include='*.h' $dirs |
    grep -v '^guibase/TvPlainText\.cpp:' || true)"
report "A message box outside TvMessageBox" "$(grep -rnE 'QMessageBox(::(information|warning|critical|question|about)| *[a-z]\w*[({;])' \
    --include='*.cpp' --include='*.h' $dirs | grep -v '^guibase/TvMessageBox\.cpp:' || true)"
# A call broken after its parenthesis is read with its next line.
tooltips=$(find $dirs -name '*.cpp' -o -name '*.h' | sort | xargs awk '
    FNR == 1 { held = "" }
    held != "" { if ($0 !~ /TvPlainText::ToolTip\(/) print held; held = "" }
    /(setToolTip|showText)\(/ && !/TvPlainText::ToolTip\(|setToolTip\(tip\); \/\/ as it was/ {
        if ($0 ~ /\($/) held = FILENAME ":" FNR ":" $0; else print FILENAME ":" FNR ":" $0
    }')
report "A tooltip that does not pass TvPlainText::ToolTip" "$tooltips"
report "Markup widgets or formats" "$(grep -rnE 'setHtml|insertHtml|QTextEdit|QTextBrowser|Qt::RichText|Qt::AutoText|setWhatsThis|QInputDialog|QProgressDialog' \
    --include='*.cpp' --include='*.h' $dirs || true)"
[ "$status" = 0 ] && echo "plain text: ok"
exit "$status"
