#!/bin/bash
# Holds a scripted conversation with a brain, as a manager does, and checks
# every answer. Usage: converse.sh BRAIN TRANSCRIPT VERSION LINE_END
#
# LINE_END is the end every answer line must have: lf for the native brain,
# as programs on Linux write (a manager there may strip only the LF), crlf
# for the Windows exe, as console programs on Windows write.
#
# Transcript lines:
#   > TEXT        a line sent to the brain (backslash escapes such as \0 and
#                 \t are expanded); a lone > sends an empty line
#   >* N TEXT     TEXT repeated N times, sent as one line
#   >~ N TEXT     TEXT and then spaces up to N characters, sent as one line
#   < TEXT        the answer expected next, without its line end; @VERSION@ in
#                 it stands for the game's version, given as VERSION
#   # ...         a comment; blank lines are ignored
#
# The conversation is held twice:
#   1. line by line through pipes, lines ending in CR LF: each expected answer
#      must arrive (flushed) before the next line is sent;
#   2. all lines at once, ending in LF, read back after the input closes.
# Both times every answer must end in LINE_END, nothing unexpected may come,
# and the brain must exit with status 0 at END or at the end of input.
set -u
brain=$1
transcript=$2
version=$3
line_end=${4:-}
case "$line_end" in
lf | crlf) ;;
*) echo "usage: $0 BRAIN TRANSCRIPT VERSION lf|crlf" >&2; exit 2 ;;
esac
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL ($(basename "$transcript")): $*"
    exit 1
}

# Steps: parallel arrays of input lines and the answers expected after each.
inputs=()
answers=()
expected_all=()
while IFS= read -r line || [ -n "$line" ]; do
    case "$line" in
        '>') inputs+=(""); answers+=("") ;;
        '> '*) inputs+=("${line#> }"); answers+=("") ;;
        '>* '*)
            rest=${line#>* }
            count=${rest%% *}
            text=${rest#* }
            repeated=$(printf "%${count}s" "" | sed "s/ /$text/g")
            inputs+=("$repeated"); answers+=("") ;;
        '>~ '*)
            rest=${line#>~ }
            count=${rest%% *}
            text=""
            [ "$rest" = "$count" ] || text=${rest#* }
            inputs+=("$(printf "%-${count}s" "$text")"); answers+=("") ;;
        '< '*)
            [ ${#inputs[@]} -gt 0 ] || fail "an answer before any input"
            line=${line//@VERSION@/$version}
            last=$((${#inputs[@]} - 1))
            answers[$last]+="${line#< }"$'\n'
            expected_all+=("${line#< }") ;;
        '#'* | '') ;;
        *) fail "bad transcript line: $line" ;;
    esac
done < "$transcript"

# 1. Line by line, CR LF.
coproc BRAIN { "$brain"; }
pid=$BRAIN_PID
# Our own copies of the pipes (bash closes the coprocess's as soon as it
# exits, under a pending read); the originals are closed at once, so that
# closing the copy is the end of the brain's input.
exec {to_brain}>&"${BRAIN[1]}" {from_brain}<&"${BRAIN[0]}"
eval "exec ${BRAIN[1]}>&- ${BRAIN[0]}<&-"
for i in "${!inputs[@]}"; do
    printf '%b\r\n' "${inputs[$i]}" >&"$to_brain" || fail "brain gone before line $((i + 1)): ${inputs[$i]}"
    while IFS= read -r want; do
        [ -n "$want" ] || continue
        IFS= read -t 10 -r got <&"$from_brain" || fail "no answer to '${inputs[$i]}' (wanted '$want')"
        if [ "$line_end" = crlf ]; then
            [ "${got%$'\r'}" != "$got" ] || fail "answer '$got' ends in LF alone, not CR LF"
            got=${got%$'\r'}
        else
            [ "${got%$'\r'}" = "$got" ] || fail "answer '${got%$'\r'}' ends in CR LF, not LF alone"
        fi
        [ "$got" = "$want" ] || fail "to '${inputs[$i]}': wanted '$want', got '$got'"
    done <<< "${answers[$i]}"
    # After END the brain must be gone at once.
    if [ "$(printf '%s' "${inputs[$i]}" | tr a-z A-Z)" = END ]; then break; fi
done
exec {to_brain}>&-
if IFS= read -t 10 -r extra <&"$from_brain"; then fail "unexpected answer '$extra'"; fi
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && { kill "$pid"; fail "brain still running after its input ended"; }
wait "$pid"
status=$?
[ "$status" -eq 0 ] || fail "line by line: exit status $status"

# 2. All at once, LF.
for i in "${!inputs[@]}"; do printf '%b\n' "${inputs[$i]}"; done > "$work/input"
timeout 20 "$brain" < "$work/input" > "$work/output"
status=$?
[ "$status" -eq 0 ] || fail "all at once: exit status $status"
if [ -s "$work/output" ]; then
    [ "$(tail -c 1 "$work/output" | od -An -c | tr -d ' ')" = '\n' ] || fail "last answer has no line end"
fi
if [ "$line_end" = crlf ]; then
    [ "$(grep -c -v $'\r$' "$work/output")" -eq 0 ] || fail "an answer ends in LF alone, not CR LF"
    tr -d '\r' < "$work/output" > "$work/got"
else
    [ "$(grep -c $'\r' "$work/output")" -eq 0 ] || fail "an answer holds a CR: LF alone ends a line"
    cp "$work/output" "$work/got"
fi
if [ ${#expected_all[@]} -gt 0 ]; then printf '%s\n' "${expected_all[@]}"; fi > "$work/wanted"
diff -u "$work/wanted" "$work/got" || fail "all at once: answers differ"
echo "ok: ${#inputs[@]} lines, ${#expected_all[@]} answers"
