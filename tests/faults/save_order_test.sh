#!/bin/bash
# The order of the system calls of every save, checked as crash-consistency
# tools check it: save_each saves every data file under strace, and for each
# file rewritten whole the trace must show its temporary file written, then
# synced, then renamed over it, then the directory synced; for the log's
# append, written then synced. A power cut between any two of these leaves
# the old file or the new one; a log the append makes has its directory
# synced too.
#
#   save_order_test.sh order SAVE_EACH          the order, first saves and rewrites
#   save_order_test.sh failing-sync SAVE_EACH   every sync failing (strace's fault
#                                               injection): each save refused and
#                                               told, every old file untouched
# Exit 77 (a skip, with the reason printed) where strace is missing or
# cannot trace.
set -u
mode=$1
save_each=$2

skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }
command -v strace >/dev/null || skip "strace is not installed (scripts/install-deps installs it)"
why=$(strace -o /dev/null true 2>&1) || skip "strace cannot trace here: $why"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
data=$(realpath "$work")/data
mkdir "$data"
log=netcosts.ini

# Every line of save_each's output must end in $1.
expect_each() {
    grep -q . "$2" || fail "save_each printed nothing"
    if grep -v " $1\$" "$2"; then fail "the saves above did not end \"$1\""; fi
}

# Checks the trace $1 against the files now in the data directory; $2 is 1
# when the log was made by this run.
check_order() {
    awk -v dir="$data" -v files="$(ls -A "$data" | tr '\n' ' ')" -v logname="$log" -v created="$2" '
    function path_of(   p) {   # the file of the first descriptor, as -y shows it
        if (!match($0, /\([0-9]+<[^>]*>/)) return ""
        p = substr($0, RSTART, RLENGTH); sub(/^\([0-9]+</, "", p); sub(/>$/, "", p)
        return p
    }
    function quoted(s) { match(s, /"[^"]*"/); return substr(s, RSTART + 1, RLENGTH - 2) }
    function add(k, p, q) { n++; kind[n] = k; a[n] = p; b[n] = q }
    function before(k, p, at,   i) { for (i = at - 1; i >= 1; i--) if (kind[i] == k && a[i] == p) return i; return 0 }
    function after(k, p, at,   i) { for (i = at + 1; i <= n; i++) if (kind[i] == k && a[i] == p) return i; return 0 }
    # A sync of p after event at, before anything more is written.
    function settled(p, at,   i) { for (i = at + 1; i <= n && kind[i] != "W"; i++) if (kind[i] == "S" && a[i] == p) return i; return 0 }
    function bad(msg) { print "FAIL: " msg; failed = 1 }
    {
        if (!match($0, /^[0-9]+ +[a-z0-9_]+\(/)) next
        call = substr($0, RSTART, RLENGTH - 1); sub(/^[0-9]+ +/, "", call)
        ret = $0; sub(/.*\) += /, "", ret)
        if (ret !~ /^[0-9]/) next   # failed calls count for nothing
        if (call ~ /^(write|pwrite64|writev)$/ && ret + 0 > 0) add("W", path_of())
        else if (call ~ /^f(data)?sync$/) add("S", path_of())
        else if (call ~ /^rename/) { s = $0; from = quoted(s); sub(/"[^"]*"/, "", s); add("R", from, quoted(s)) }
    }
    END {
        count = split(files, name, " ")
        for (j = 1; j <= count; j++) {
            f = dir "/" name[j]
            if (name[j] == logname) {
                w = before("W", f, n + 1)
                if (!w) bad(name[j] ": never written")
                else if (!(s = after("S", f, w))) bad(name[j] ": not synced after its last write")
                else if (created && !settled(dir, s)) bad(name[j] ": made, but the directory not synced after it")
                else print "ok: " name[j] ": written, synced" (created ? ", directory synced" : "")
                continue
            }
            r = 0
            for (i = n; i >= 1 && !r; i--) if (kind[i] == "R" && b[i] == f) r = i
            if (!r) { bad(name[j] ": never renamed into place"); continue }
            t = a[r]
            w = before("W", t, r); s = after("S", t, w); d = settled(dir, r)
            if (before("W", f, n + 1)) bad(name[j] ": written in place")
            else if (!w) bad(name[j] ": nothing written to " t " before its rename")
            else if (!s || s > r) bad(name[j] ": " t " not synced between its last write and the rename")
            else if (!d) bad(name[j] ": the directory not synced after the rename, before the next write")
            else print "ok: " name[j] ": written, synced, renamed, directory synced"
        }
        if (count < 6) bad("only " count " files: " files)
        exit failed
    }' "$1"
}

trace() {
    strace -f -y -qq -o "$work/trace" \
        -e trace=openat,write,pwrite64,writev,fsync,fdatasync,rename,renameat,renameat2,close "$@"
}

case $mode in
order)
    for round in 0 1; do # onto no file, then over the old ones
        trace "$save_each" "$data" "$round" >"$work/out" || fail "save_each failed"
        expect_each saved "$work/out"
        check_order "$work/trace" $((round == 0)) || fail "round $round, the saves as traced:"$'\n'"$(grep -F "$data" "$work/trace")"
    done
    ;;
failing-sync)
    "$save_each" "$data" 0 >"$work/out" || fail "save_each failed"
    expect_each saved "$work/out"
    (cd "$data" && ls -A && md5sum -- *) >"$work/before"
    strace -f -qq -o /dev/null -e trace=fsync,fdatasync -e inject=fsync,fdatasync:error=EIO \
        "$save_each" "$data" 1 >"$work/out" || fail "save_each failed"
    expect_each refused-told "$work/out"
    (cd "$data" && ls -A && md5sum -- *) >"$work/after"
    diff "$work/before" "$work/after" || fail "a refused save changed or left a file"
    echo "ok: $(wc -l <"$work/out") saves refused and told, every file as it was"
    ;;
*) fail "unknown mode $mode" ;;
esac
