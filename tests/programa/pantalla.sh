#!/usr/bin/env bash
# Drives the real program on a virtual X server with xdotool, as a user would:
#   the main dialog opens (a screenshot is kept); the import dialog proposes the year and the
#   folder, refuses 1969 with a prompt and stays open, closes with "Cancelar"; the open dialog
#   closes with Escape; the import flow runs end to end with the stand-in companion program;
#   the load flow runs end to end; "Cerrar" ends the program with exit code 0 and nothing was
#   printed on stderr.
# Usage: pantalla.sh <program> <ruta_biblioteca> <tests folder> <artefacts folder> <locale>
set -euo pipefail

if [ -z "${PANTALLA_VIRTUAL:-}" ]; then
    export PANTALLA_VIRTUAL=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

programa=$1 biblioteca=$2 pruebas=$3 artefactos=$4 idioma=$5
mkdir -p "$artefactos"
trabajo=$(mktemp -d)
pid=""
terminar() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    rm -rf "$trabajo"
}
trap terminar EXIT

fallo() {
    echo "FALLO: $*" >&2
    xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng >"$artefactos/fallo.png" 2>/dev/null || true
    [ -s "$trabajo/stderr" ] && { echo "--- stderr del programa:" >&2; cat "$trabajo/stderr" >&2; }
    exit 1
}

# ---- The program's surroundings: its own folders, profile and companion program.
mkdir -p "$trabajo/tmp" "$trabajo/home/Documentos" "$trabajo/ies datos"
: >"$trabajo/ies datos/Horarios.db"
export HOME="$trabajo/home" TMPDIR="$trabajo/tmp" ODBCINI="$trabajo/odbc.ini"
export XDG_CONFIG_HOME="$trabajo/home/.config"
export PATH="$pruebas/companion:/usr/bin:/bin"
export VADREL_ARGS="$trabajo/argumentos" VADREL_DATOS="$pruebas/fixtures/app/iestokrt_muestra.dat"
export VADREL_COPIA="$trabajo/recibido.dat"
export LANG="$idioma" LC_ALL="$idioma"
# No desktop session here: no accessibility bus and settings kept in memory.
export NO_AT_BRIDGE=1 GSETTINGS_BACKEND=memory

# ---- Windows and clicks.
# The visible windows called exactly $1, one id per line.
ventanas() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true; }
# Waits for a visible window called $1 that is not among the ids in $2; prints its id.
esperar_ventana() {
    local nombre=$1 excluir=${2:-} w
    # Up to 30 s: the first start on a new machine builds the font cache.
    for _ in $(seq 1 300); do
        for w in $(ventanas "$nombre"); do
            if ! grep -qx "$w" <<<"$excluir"; then
                echo "$w"
                return 0
            fi
        done
        sleep 0.1
    done
    fallo "no aparece la ventana \"$nombre\""
}
esperar_cierre() { # window id
    for _ in $(seq 1 300); do
        xdotool search --onlyvisible --name '.*' 2>/dev/null | grep -qx "$1" || return 0
        sleep 0.1
    done
    fallo "la ventana $1 no se cierra"
}
# Clicks at (x, y) in dialog units of window $1, whose client area is $2 x $3 dialog units.
pulsar() {
    local w=$1 ancho=$2 alto=$3 x=$4 y=$5
    eval "$(xdotool getwindowgeometry --shell "$w")"
    local px=$((X + x * WIDTH / ancho)) py=$((Y + y * HEIGHT / alto))
    xdotool mousemove --sync "$px" "$py" click 1
    sleep 0.3
}
# Gives window $1 the keyboard and types keys.
teclas() {
    local w=$1
    shift
    xdotool windowfocus --sync "$w" 2>/dev/null || true
    sleep 0.2
    xdotool key --delay 50 "$@"
    sleep 0.3
}
escribir() {
    xdotool windowfocus --sync "$1" 2>/dev/null || true
    xdotool type --delay 20 "$2"
    sleep 0.3
}
# The text of the edit at (x, y) of a dialog, through the clipboard.
texto_edicion() {
    pulsar "$@"
    teclas "$1" ctrl+a ctrl+c
    xclip -o -selection clipboard 2>/dev/null || true
}
captura() { sleep 0.7; xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng >"$artefactos/$1.png"; }

# Client areas of the dialogs in dialog units: the controls' extent plus a margin.
PRINCIPAL=(296 234)
IMPORTAR=(278 183)
EXPORTAR=(278 196)

# ---- Start.
"$programa" 2>"$trabajo/stderr" &
pid=$!
principal=$(esperar_ventana Brenmoor)
sleep 0.5
captura principal

# The import dialog with its proposals; 1969 is refused and the dialog stays open.
pulsar "$principal" "${PRINCIPAL[@]}" $((74 + 68)) $((36 + 7))
importar=$(esperar_ventana "Importar datos de IES2000")
curso=$(texto_edicion "$importar" "${IMPORTAR[@]}" 70 40)
[ "$curso" = "$(($(date +%Y) - 1))" ] || fallo "año propuesto: '$curso'"
ruta=$(texto_edicion "$importar" "${IMPORTAR[@]}" 150 81)
[ "$ruta" = 'c:\roziva\datos' ] || fallo "carpeta propuesta: '$ruta'"
pulsar "$importar" "${IMPORTAR[@]}" 70 40
teclas "$importar" ctrl+a
escribir "$importar" 1969
pulsar "$importar" "${IMPORTAR[@]}" 246 22 # Aceptar
aviso=$(esperar_ventana Brenmoor "$principal")
teclas "$aviso" Return
esperar_cierre "$aviso"
[ -n "$(ventanas "Importar datos de IES2000")" ] || fallo "el diálogo se cerró tras el aviso"
pulsar "$importar" "${IMPORTAR[@]}" 246 37 # Cancelar
esperar_cierre "$importar"
[ ! -e "$trabajo/argumentos" ] || fallo "se ejecutó el programa acompañante al cancelar"

# The open dialog closes with Escape.
pulsar "$principal" "${PRINCIPAL[@]}" $((102 + 68)) $((55 + 7))
abrir=$(esperar_ventana Abrir)
teclas "$abrir" Escape
esperar_cierre "$abrir"

# ---- Import flow end to end: dialog accepted, companion, save dialog, message, document.
"$biblioteca" importar "$VADREL_DATOS" "$trabajo/esperado.xml" || fallo "ruta de biblioteca"
pulsar "$principal" "${PRINCIPAL[@]}" $((74 + 68)) $((36 + 7))
importar=$(esperar_ventana "Importar datos de IES2000")
pulsar "$importar" "${IMPORTAR[@]}" 246 22 # Aceptar
guardar=$(esperar_ventana "Guardar como")
sleep 0.5
teclas "$guardar" ctrl+a
escribir "$guardar" "$trabajo/home/Documentos/planificador.xml"
teclas "$guardar" Return
mensaje=$(esperar_ventana Brenmoor "$principal")
teclas "$mensaje" Return
esperar_cierre "$mensaje"
cmp -s "$trabajo/esperado.xml" "$trabajo/home/Documentos/planificador.xml" ||
    fallo "el documento no es el de la ruta de biblioteca"
grep -q 'numSesiones="4.00"' "$trabajo/home/Documentos/planificador.xml" ||
    fallo "los números del documento no llevan punto"
[ "$(sed -n 4p "$trabajo/argumentos")" = I ] || fallo "argumentos de importación"

# ---- Load flow end to end: open dialog, transfer dialog accepted, companion, message.
printf '[QEDBF]\nDatabase=%s\n' "$trabajo/ies datos" >"$ODBCINI"
solucion="$pruebas/fixtures/una_sesion_colocada.xml"
"$biblioteca" cargar "$solucion" "$trabajo/esperado.dat" || fallo "ruta de biblioteca (carga)"
pulsar "$principal" "${PRINCIPAL[@]}" $((102 + 68)) $((55 + 7))
abrir=$(esperar_ventana Abrir)
sleep 0.5
teclas "$abrir" ctrl+l
escribir "$abrir" "$solucion"
teclas "$abrir" Return
exportar=$(esperar_ventana "Exportar horario a IES2000")
pulsar "$exportar" "${EXPORTAR[@]}" 246 22 # Aceptar
mensaje=$(esperar_ventana Brenmoor "$principal")
teclas "$mensaje" Return
esperar_cierre "$mensaje"
cmp -s "$trabajo/esperado.dat" "$trabajo/recibido.dat" ||
    fallo "el archivo de horario no es el de la ruta de biblioteca"
[ "$(sed -n 1p "$trabajo/argumentos")" = "$trabajo/ies datos/Horarios" ] ||
    fallo "argumentos de carga: $(cat "$trabajo/argumentos")"

# ---- "Cerrar" ends the program.
pulsar "$principal" "${PRINCIPAL[@]}" $((212 + 25)) $((213 + 7))
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
estado=0
wait "$pid" || estado=$?
pid=""
[ "$estado" -eq 0 ] || fallo "código de salida $estado"
[ ! -s "$trabajo/stderr" ] || fallo "el programa escribió en stderr"
echo "programa ($idioma): correcto"
