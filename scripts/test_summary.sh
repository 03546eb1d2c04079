#!/usr/bin/env bash
# What the test programs' shards ran, read from the GoogleTest results each shard writes
# (BUILD/test-results/*.xml) after a CTest run: the test cases of each program, how many passed,
# were skipped and failed, the name and message of every failure, and every shard that left no
# results (it crashed or was stopped before its end), with the case it was running then.
#
#   scripts/test_summary.sh BUILD-FOLDER
set -euo pipefail

BUILD=$1
RESULTS=$BUILD/test-results
LOG=$BUILD/Testing/Temporary/LastTest.log
missing=0
files=()
while read -r shard; do
    if [ -s "$RESULTS/$shard.xml" ]; then
        files+=("$RESULTS/$shard.xml")
        continue
    fi
    missing=$((missing + 1))
    # The last case the shard started, from its output in CTest's log.
    running=$(awk -v shard="$shard" '
        $0 ~ "^[0-9]+/[0-9]+ Testing: " { inside = ($3 == shard) }
        inside && /^\[ RUN      \] / { last = $4 }
        END { print last }' "$LOG" 2>/dev/null || true)
    if [ -n "$running" ]; then
        echo "no results from $shard: it did not finish; it was running $running"
    else
        echo "no results from $shard: it did not finish"
    fi
done < <(grep -ho 'add_test(\[=\[kordel_[a-z]*_tests-[0-9]*-of-[0-9]*' "$BUILD"/tests/CTestTestfile.cmake |
    sed 's/^add_test(\[=\[//')
if ((${#files[@]} == 0)); then
    echo "no test results in $RESULTS"
    exit 1
fi
awk '
    FNR == 1 {
        program = FILENAME
        sub(/.*\//, "", program)
        sub(/-[0-9]+-of-[0-9]+\.xml$/, "", program)
        if (!(program in cases)) order[++programs] = program
    }
    function attribute(line, name,    m) {
        if (match(line, " " name "=\"[^\"]*\"") == 0) return ""
        m = substr(line, RSTART + length(name) + 3, RLENGTH - length(name) - 4)
        gsub(/&#x0A;/, "\n", m); gsub(/&quot;/, "\"", m); gsub(/&apos;/, "\047", m)
        gsub(/&lt;/, "<", m); gsub(/&gt;/, ">", m); gsub(/&amp;/, "\\&", m)
        return m
    }
    /<testcase / {
        test = attribute($0, "classname") "." attribute($0, "name")
        cases[program]++
        if ($0 ~ / result="skipped"/) skipped[program]++
    }
    /<failure / {
        if (!(test in failed)) { failed[test] = 1; failures[program]++ }
        print "FAILED " test ": " attribute($0, "message")
    }
    END {
        for (i = 1; i <= programs; i++) {
            p = order[i]
            total += cases[p]; totalSkipped += skipped[p]; totalFailed += failures[p]
            printf "%s: %d test cases, %d passed, %d skipped, %d failed\n", p, cases[p],
                cases[p] - skipped[p] - failures[p], skipped[p], failures[p]
        }
        printf "in all: %d test cases, %d passed, %d skipped, %d failed\n", total,
            total - totalSkipped - totalFailed, totalSkipped, totalFailed
        exit totalFailed > 0
    }
' "${files[@]}" || status=1
if ((missing)); then
    echo "$missing shard(s) did not finish: their cases are not counted above"
    status=1
fi
exit "${status:-0}"
