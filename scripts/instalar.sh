# Sourced by scripts/test and scripts/run: installs the Debian packages that are missing.
# instalar_paquetes PACKAGE...
instalar_paquetes() {
    local missing=() p
    for p in "$@"; do
        dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# What building and running the program needs.
paquetes_programa=(cmake g++ make libicu-dev libexpat1-dev libwxgtk3.2-dev wx3.2-i18n)

# Generates the es_ES.UTF-8 locale when it is missing (tests run under a decimal-comma locale).
generar_locale_es() {
    locale -a 2>/dev/null | grep -qi '^es_ES\.utf-\?8$' && return 0
    local sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd sed -i 's/^# *\(es_ES\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^es_ES\.UTF-8 UTF-8' /etc/locale.gen ||
        echo 'es_ES.UTF-8 UTF-8' | $sudo_cmd tee -a /etc/locale.gen >/dev/null
    $sudo_cmd locale-gen >/dev/null
}
