# The README's manual as plain text, without Markdown's marks: headings in
# capitals, each table row as a line (or two) of its own without the
# table's heading row, and no pictures, links, emphasis or code marks.

function plain(text) {
    gsub(/\*\*/, "", text)
    gsub(/`/, "", text)
    while (match(text, /\[[^]]*\]\([^)]*\)/)) {
        link = substr(text, RSTART, RLENGTH)
        sub(/\]\(.*/, "", link)
        text = substr(text, 1, RSTART - 1) substr(link, 2) substr(text, RSTART + RLENGTH)
    }
    return text
}

# A table row: three cells on one line, two on two.
function row(text,    cells, n) {
    n = split(substr(text, 3, length(text) - 4), cells, / \| /)
    if (n == 3)
        return "  " plain(cells[1]) " (" cells[2] "): " plain(cells[3])
    return "  " plain(cells[1]) "\n      " plain(cells[2])
}

function flush() {
    if (pending != "")
        print row(pending)
    pending = ""
}

/^\|[-| ]*\|$/ { pending = ""; next }
/^\|.*\|$/ { flush(); pending = $0; next }
{ flush() }
/^<!--.*-->$/ || /^!\[/ { next }
/^## / { print toupper(substr($0, 4)); next }
{ print plain($0) }
END { flush() }
