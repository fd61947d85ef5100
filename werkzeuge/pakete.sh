# shellcheck shell=bash
# Sourced by the scripts in werkzeuge/, not run on its own.
#
#   fehlende_pakete_installieren paket…
#
# Installs those of the given Debian packages that are not installed yet, as
# root or through sudo. The package lists are only refreshed when something is
# missing, so a set-up machine never touches the network.
fehlende_pakete_installieren() {
    local p
    local fehlend=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
    done
    [ "${#fehlend[@]}" -gt 0 ] || return 0
    echo "Installiere fehlende Pakete: ${fehlend[*]}"
    # sudo drops the environment, so the frontend setting goes through env.
    local als_root=(env DEBIAN_FRONTEND=noninteractive)
    [ "$(id -u)" -eq 0 ] || als_root=(sudo "${als_root[@]}")
    "${als_root[@]}" apt-get update -qq
    "${als_root[@]}" apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
}
