# Sourced by the scripts that make Debian roots, so that a root is fetched the
# way the host fetches its packages: sets `mirror` to the host's Debian mirror
# and exports the proxy the host's apt uses, if any.
mirror=$(apt-get indextargets --format '$(REPO_URI) $(SUITE)' | awk '$2 !~ /-/ { print $1; exit }')
mirror=${mirror:-http://deb.debian.org/debian}
eval "$(apt-config shell http_proxy Acquire::http::Proxy)"
if [[ -n ${http_proxy:-} ]]; then export http_proxy; fi

use_host_proxy() { # ROOT: its apt fetches through the host's proxy too
    if [[ -n ${http_proxy:-} ]]; then
        echo "Acquire::http::Proxy \"$http_proxy\";" >"$1/etc/apt/apt.conf.d/00proxy"
    fi
}
