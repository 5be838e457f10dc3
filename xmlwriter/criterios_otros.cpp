// The last two sections: the criteria weights and the general settings.
#include "model/palabras.h"
#include "xmlwriter/exportador.h"

namespace {

// Indices of the single weights in Criterios::pesos.
enum Peso {
    EN_GRUPOS,
    EN_PROFESORES,
    EN_MATERIAS_Y_TAREAS,
    EN_SESIONES_LECTIVAS,
    HUECOS_EN_GRUPOS,
    HUECOS_EN_PROFESORES,
    EN_DIAS_CONSECUTIVOS,
    EN_HORAS_EXTREMAS,
    COINCIDAN_POR_LA_TARDE,
    EN_AULA_NO_PREFERENTE,
    HORAS_EXCLUYENTES,
    MAS_CLASES_EN_UN_DIA_QUE_EN_OTRO,
    HORAS_DE_CLASE_SEGUIDAS,
    MAS_PERMANENCIA,
    SEGUIDO_CON_EL_MISMO_GRUPO,
    GUARDIAS_EN_EXTREMOS,
};

} // namespace

void CExportadorXML::EscribirCriterios() {
    const Criterios& c = m_pDatos->marcos.criterios;
    const std::uint8_t* w = c.pesos;
    Escribir("\t<criterios>\n");
    Escribir("\t\t<huecosEnHorario>\n");
    Escribir("\t\t\t<huecosEnGrupos>%d</huecosEnGrupos>\n", w[HUECOS_EN_GRUPOS]);
    Escribir("\t\t\t<huecosEnProfesores>%d</huecosEnProfesores>\n", w[HUECOS_EN_PROFESORES]);
    Escribir("\t\t</huecosEnHorario>\n");
    Escribir("\t\t<posicionesNoPreferentes>\n");
    Escribir("\t\t\t<enGrupos>%d</enGrupos>\n", w[EN_GRUPOS]);
    Escribir("\t\t\t<enProfesores>%d</enProfesores>\n", w[EN_PROFESORES]);
    Escribir("\t\t\t<enMateriasYTareas>%d</enMateriasYTareas>\n", w[EN_MATERIAS_Y_TAREAS]);
    Escribir("\t\t\t<enSesionesLectivas>%d</enSesionesLectivas>\n", w[EN_SESIONES_LECTIVAS]);
    Escribir("\t\t</posicionesNoPreferentes>\n");
    Escribir("\t\t<colocarSesionesLectivas>\n");
    Escribir("\t\t\t<enDiasConsecutivos>%d</enDiasConsecutivos>\n", w[EN_DIAS_CONSECUTIVOS]);
    Escribir("\t\t\t<enAulaNoPreferente>%d</enAulaNoPreferente>\n", w[EN_AULA_NO_PREFERENTE]);
    Escribir("\t\t\t<enHorasExtremas>%d</enHorasExtremas>\n", w[EN_HORAS_EXTREMAS]);
    Escribir("\t\t\t<coincidanPorLaTarde>%d</coincidanPorLaTarde>\n", w[COINCIDAN_POR_LA_TARDE]);
    Escribir("\t\t\t<coincidanALaMismaHora>%d</coincidanALaMismaHora>\n",
             c.optativaSolapadaCoincidan >> 4);
    Escribir("\t\t\t<conCambiosDeAula>%d</conCambiosDeAula>\n",
             c.cambiosAulaOrdenProfesores & 0x0F);
    Escribir("\t\t\t<optativaSolapada>%d</optativaSolapada>\n", c.optativaSolapadaCoincidan & 0x0F);
    Escribir("\t\t</colocarSesionesLectivas>\n");
    Escribir("\t\t<horarioDeProfesores>\n");
    Escribir("\t\t\t<horasExcluyentes>%d</horasExcluyentes>\n", w[HORAS_EXCLUYENTES]);
    Escribir("\t\t\t<masClasesEnUnDiaQueEnOtro>%d</masClasesEnUnDiaQueEnOtro>\n",
             w[MAS_CLASES_EN_UN_DIA_QUE_EN_OTRO]);
    Escribir("\t\t\t<horasDeClaseSeguidas>%d</horasDeClaseSeguidas>\n", w[HORAS_DE_CLASE_SEGUIDAS]);
    Escribir("\t\t\t<masPermanencia>%d</masPermanencia>\n", w[MAS_PERMANENCIA]);
    Escribir("\t\t\t<seguidoConElMismoGrupo>%d</seguidoConElMismoGrupo>\n",
             w[SEGUIDO_CON_EL_MISMO_GRUPO]);
    Escribir("\t\t\t<guardiasEnExtremos>%d</guardiasEnExtremos>\n", w[GUARDIAS_EN_EXTREMOS]);
    // An order of 0 is written as 1.
    const int orden = c.cambiosAulaOrdenProfesores >> 4;
    Escribir("\t\t\t<ordenProfesores>%d</ordenProfesores>\n", orden == 0 ? 1 : orden);
    Escribir("\t\t</horarioDeProfesores>\n");
    Escribir("\t</criterios>\n");
}

void CExportadorXML::EscribirOtros() {
    const CDatos& d = *m_pDatos;
    const BloqueOtros& o = d.otros;
    const DHMARCOS& m = d.marcos;
    Escribir("\t<otros>\n");

    Escribir("\t\t<restriccionesCD>\n");
    Escribir("\t\t\t<permitirAgregarProfesor>%s</permitirAgregarProfesor>\n",
             Booleano(o.permitirAgregarProfesor != 0));
    Escribir("\t\t\t<permitirAgregarDepartamento>%s</permitirAgregarDepartamento>\n",
             Booleano(o.permitirAgregarDepartamento != 0));
    Escribir("\t\t\t<permitirAgregarAsignatura>%s</permitirAgregarAsignatura>\n",
             Booleano(o.permitirAgregarAsignatura != 0));
    Escribir("\t\t\t<permitirCamDepProfesor>%s</permitirCamDepProfesor>\n",
             Booleano(o.permitirCamDepProfesor != 0));
    Escribir("\t\t\t<permitirCamDepAsignatura>%s</permitirCamDepAsignatura>\n",
             Booleano(o.permitirCamDepAsignatura != 0));
    Escribir("\t\t\t<permitirCamDuracion>%s</permitirCamDuracion>\n",
             Booleano(o.permitirCamDuracion != 0));
    Escribir("\t\t\t<permitirCamHorasReduccion>%s</permitirCamHorasReduccion>\n",
             Booleano(o.permitirCamHorasReduccion != 0));
    Escribir("\t\t</restriccionesCD>\n");

    Escribir("\t\t<funcionesAdicionales>\n");
    Escribir("\t\t\t<restriccionDePlantilla>\n");
    Escribir("\t\t\t\t<cantidadDeProhibidos>%d</cantidadDeProhibidos>\n", o.cantidadDeProhibidos);
    Escribir("\t\t\t\t<cantidadDePrefNo1>%d</cantidadDePrefNo1>\n", o.cantidadDePrefNo1);
    Escribir("\t\t\t\t<cantidadDePrefNo2>%d</cantidadDePrefNo2>\n", o.cantidadDePrefNo2);
    Escribir("\t\t\t</restriccionDePlantilla>\n");
    Escribir("\t\t\t<definirTutor>%s</definirTutor>\n", Booleano(o.definirTutor != 0));
    Escribir("\t\t\t<elegirGrupoTutor>%s</elegirGrupoTutor>\n", Booleano(o.elegirGrupoTutor != 0));
    Escribir("\t\t\t<hacerGuardias>%s</hacerGuardias>\n", Booleano(o.hacerGuardias != 0));
    Escribir("\t\t\t<cambiarAula>%s</cambiarAula>\n", Booleano(o.cambiarAula != 0));
    Escribir("\t\t\t<permitirDistAlt>%s</permitirDistAlt>\n", Booleano(o.permitirDistAlt != 0));
    Escribir("\t\t</funcionesAdicionales>\n");

    Escribir("\t\t<mensajesIntercambio>\n");
    Escribir("\t\t\t<haciaDesideratas>\n");
    if (o.texto[0] != '\0') Escribir("\t\t<texto>%s</texto>\n", EscaparXML(o.texto).c_str());
    Escribir("\t\t\t</haciaDesideratas>\n");
    Escribir("\t\t</mensajesIntercambio>\n");

    Escribir("\t\t<opciones>\n");
    Escribir("\t\t\t<opcionesGenerales>\n");
    if ((m.opciones & OPCION_CONTAR_HUECOS_MEDIODIA) != 0)
        Escribir("\t\t\t\t<contarHuecosMediodia>true</contarHuecosMediodia>\n");
    if ((m.opciones & OPCION_DESECHAR_GUARDIAS) != 0)
        Escribir("\t\t\t\t<desecharGuardias>true</desecharGuardias>\n");
    if ((m.opciones & OPCION_MINIMO_HUECOS_GRUPOS) != 0)
        Escribir("\t\t\t\t<minimoHuecosGrupos>true</minimoHuecosGrupos>\n");
    if ((m.opciones & OPCION_POS_NO_PREF_DE_GRUPOS) != 0)
        Escribir("\t\t\t\t<posNoPrefDeGrupos>true</posNoPrefDeGrupos>\n");
    Escribir("\t\t\t</opcionesGenerales>\n");
    Escribir("\t\t\t<valorInicialProfesores>\n");
    EscribirCondicionesProfesor(m.valorInicialProfesores);
    Escribir("\t\t\t</valorInicialProfesores>\n");
    Escribir("\t\t\t<valorInicialSesiones>\n");
    EscribirOpcionesSesion(m.valorInicialSesiones);
    Escribir("\t\t\t</valorInicialSesiones>\n");
    Escribir("\t\t</opciones>\n");

    if (!d.notas.empty()) Escribir("\t\t<notas>%s</notas>\n", EscaparXML(d.notas).c_str());

    if (!d.gruposAlejados.Vacia()) {
        Escribir("\t\t<gruposAlejados>\n");
        Escribir("\t\t\t<opciones>\n");
        if ((m.opcionesGruposAlejados & 0x1) != 0)
            Escribir("\t\t\t\t<actualizarAlGenerar>false</actualizarAlGenerar>\n");
        if ((m.opcionesGruposAlejados & 0x2) != 0)
            Escribir("\t\t\t\t<evitarDobleDesp>false</evitarDobleDesp>\n");
        else
            Escribir("\t\t\t\t<evitarDobleDesp%s>true</evitarDobleDesp>\n",
                     (m.opcionesGruposAlejados & 0x4) != 0 ? " tipo=\"prohibir\"" : "");
        Escribir("\t\t\t</opciones>\n");
        Escribir("\t\t\t<listaDeGrupos>\n");
        for (const Ref r : d.gruposAlejados)
            if (const auto grupo = NombreEnlace(d.grupos, r, false))
                Escribir("\t\t\t\t<grupo>%s</grupo>\n", EscaparXML(*grupo).c_str());
        Escribir("\t\t\t</listaDeGrupos>\n");
        Escribir("\t\t</gruposAlejados>\n");
    }

    // Kept from an earlier document as ready text; appended as it stands.
    m_strDocumento += d.extensiones;

    Escribir("\t\t<perfil>%s</perfil>\n", PalabraDe(PALABRAS_PERFIL, m.perfil, PALABRAS_PERFIL[0]));

    Escribir("\t\t<claveXDias>\n");
    for (int d = 0; d < static_cast<int>(std::size(PALABRAS_DIA)); ++d)
        Escribir("\t\t\t<%s>%s</%s>\n", PALABRAS_DIA[d], EscaparXML(m.claveXDias[d]).c_str(),
                 PALABRAS_DIA[d]);
    Escribir("\t\t</claveXDias>\n");
    Escribir("\t</otros>\n");
}
