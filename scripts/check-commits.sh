#!/usr/bin/env bash
# Every commit after the habit began has a subject of at most 72 characters and, when it has a
# body, a blank line between the two. Older commits are as they were written.
set -euo pipefail
cd "$(dirname "$0")/.."
since=f743e5645395a38c6c74915986068a8cd18b1a12
if ! command -v git >/dev/null || ! git rev-parse --git-dir >/dev/null 2>&1; then
    echo "check-commits: no git history here; nothing to check"
    exit 0
fi
if ! git cat-file -e "$since^{commit}" 2>/dev/null; then
    echo "check-commits: the history does not reach $since (a shallow clone?); nothing to check"
    exit 0
fi
bad=0
while IFS= read -r commit; do
    subject="$(git log -1 --format=%s "$commit")"
    second="$(git log -1 --format=%B "$commit" | sed -n 2p)"
    if [ "${#subject}" -gt 72 ]; then
        echo "check-commits: $commit: subject of ${#subject} characters: $subject"
        bad=1
    fi
    if [ -n "$second" ]; then
        echo "check-commits: $commit: no blank line after the subject"
        bad=1
    fi
done < <(git rev-list "$since..HEAD")
[ "$bad" -eq 0 ] && echo "check-commits: $(git rev-list --count "$since..HEAD") commits checked"
exit "$bad"
