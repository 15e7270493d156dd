#!/usr/bin/env bash
# Every command, subcommand, report kind and flag of the README's kipgolf-cli table, and every command
# that `kipgolf-cli --help` lists, is in the manual page and offered by the bash completion.
#   cli-docs.sh README.md kipgolf-cli.1 completion-file kipgolf-cli
set -uo pipefail
readme=$1 manpage=$2 completion=$3 cli=$4
failures=0
missing() {
    echo "missing from $1: $2"
    failures=$((failures + 1))
}
# The manual escapes hyphens (\-) and sets words in fonts (\fB...\fR).
man_text=$(sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g' "$manpage")
has_word() { grep -qwF -- "$2" <<<"$1"; }

# Command rows of the table: "| `golfer add "Last" ...` | ...".
rows=$(sed -n '/^## Command-line companion/,/^## /p' "$readme" | grep -E '^\| `' | sed -E 's/^\| `([^`]*)`.*/\1/')
[ -n "$rows" ] || { echo "no command rows found in $readme"; exit 1; }
while IFS= read -r row; do
    read -r -a words <<<"$row"
    command=${words[0]}
    has_word "$man_text" "$command" || missing "$manpage" "command $command"
    grep -qwF -- "$command" "$completion" || missing "$completion" "command $command"
    second=${words[1]:-}
    if [[ $second =~ ^[a-z][a-z-]*$ ]]; then
        has_word "$man_text" "$command $second" || missing "$manpage" "$command $second"
        grep -qwF -- "$second" "$completion" || missing "$completion" "$command $second"
    fi
    for flag in $(grep -oE -- '--[a-z][a-z-]*' <<<"$row" | sort -u); do
        has_word "$man_text" "$flag" || missing "$manpage" "$command: $flag"
        grep -qwF -- "$flag" "$completion" || missing "$completion" "$command: $flag"
    done
done <<<"$rows"

# The flags of the LIMITS paragraph under the table.
for flag in $(sed -n '/^LIMITS, where/,/^$/p' "$readme" | grep -oE -- '--[a-z][a-z-]*' | sort -u); do
    has_word "$man_text" "$flag" || missing "$manpage" "limit $flag"
    grep -qwF -- "$flag" "$completion" || missing "$completion" "limit $flag"
done

# What the program itself lists.
for command in $("$cli" --help | sed -n 's/^  \([a-z-]*\).*/\1/p'); do
    has_word "$man_text" "$command" || missing "$manpage" "command $command (from --help)"
    grep -qwF -- "$command" "$completion" || missing "$completion" "command $command (from --help)"
done

if ((failures > 0)); then
    echo "$failures missing"
    exit 1
fi
echo "manual page and completion cover the command table"
