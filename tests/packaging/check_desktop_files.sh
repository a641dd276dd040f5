#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo, as a software centre reads them.
set -euo pipefail
desktop=$1
metainfo=$2
version=$3
desktop-file-validate "$desktop"
echo "desktop entry valid"

# Every hint appstreamcli may give, by tag or by tag and subject, and why it is
# accepted; any other fails.
declare -A accepted=(
    # The id names the desktop entry, the icons and the window's app id, which
    # docks match to one another and users' pinned launchers keep.
    [cid-contains-uppercase-letter]="the id keeps its capital"
    # AppStream 0.16 (Debian 12) predates <developer>; 1.0 readers take it.
    [unknown-tag developer]="<developer> is AppStream 1.0's"
    # AppStream 1.0 (Debian 13) prefers <developer>; 0.16 readers need this.
    [developer-name-tag-deprecated]="<developer_name> is for AppStream 0.16 readers"
)
log=$(mktemp)
trap 'rm -f "$log"' EXIT
appstreamcli validate --pedantic --no-net --explain "$metainfo" | tee "$log"
unexplained=0
while read -r level _ tag rest; do
    reason=${accepted["$tag $rest"]:-${accepted[$tag]:-}}
    if [[ -z $reason ]]; then
        echo "not accepted: $level $tag $rest"
        unexplained=1
    else
        echo "accepted: $tag $rest: $reason"
    fi
done < <(grep -E '^[EWIP]: ' "$log")
((unexplained == 0))
grep -q "<release version=\"$version\"" "$metainfo"
echo "metainfo names release $version"
