// The program's string table: Spanish texts in Windows-1252 bytes, by resource id.
#pragma once

namespace recursos {

enum IdCadena : int {
    IDS_ABOUTBOX = 101,
    IDS_ERROR_PROCESO = 102,
    IDS_CUALQUIERA = 103,
    IDS_NINGUNO_CONJUNTO = 104,
    IDS_SEMANA_CORTA = 105,
    IDS_SEMANA_ACTUAL = 106,
    IDS_TODAS_SEMANAS = 107,
    IDS_ARCHIVO_CREADO = 108,
    IDS_DESCRIPCION_SEMANA = 109,
    IDS_EXTENSION_XML = 110,
    IDS_NO_EXISTE_CARPETA = 111,
    IDS_GENERAL = 138,
    IDS_NINGUNO = 139,
    IDS_SIN_NOMBRE = 140,
    IDS_TAREA_LECTIVA = 141,
    IDS_TAREA_GUARDIA = 142,
    IDS_TAREA_REUNION = 143,
    IDS_TUTOR_SIN_ASIGNATURA = 144,
    IDS_TUTOR_NO_CORRESPONDE = 145,
    IDS_VARIAS_TUTORIAS = 146,
    IDS_AVISO = 147,
    IDS_INFORMACION = 148,
    IDS_MARCO_A = 149,
    IDS_MARCO_B = 150,
    IDS_MARCO_C = 151,
    IDS_MARCO_D = 152,
    IDS_MARCO_A_CORTO = 153,
    IDS_MARCO_B_CORTO = 154,
    IDS_MARCO_C_CORTO = 155,
    IDS_MARCO_D_CORTO = 156,
    IDS_FORMATO_KRT = 157,
    IDS_LECTIVO = 158,
    IDS_RECREO = 159,
    IDS_MEDIODIA = 160,
};

// The text of a string id, or "" for an id the table does not hold.
inline const char* Cadena(int id) {
    switch (id) {
    case IDS_ABOUTBOX:
        return "&Acerca de Brenmoor...";
    case IDS_ERROR_PROCESO:
        return "Error %lx: alg\xFAn elemento de seguridad impide crear un nuevo proceso.";
    case IDS_CUALQUIERA:
        return "<cualquiera>";
    case IDS_NINGUNO_CONJUNTO:
        return "< no >";
    case IDS_SEMANA_CORTA:
        return "S%d";
    case IDS_SEMANA_ACTUAL:
        return "semana actual: %d";
    case IDS_TODAS_SEMANAS:
        return "Todas las semanas";
    case IDS_ARCHIVO_CREADO:
        return "Se ha creado el archivo:\n%s";
    case IDS_DESCRIPCION_SEMANA:
        return "- Semana %d -";
    case IDS_EXTENSION_XML:
        return "El archivo de s\xF3lo puede tener extensi\xF3n .xml";
    case IDS_NO_EXISTE_CARPETA:
        return "No existe la carpeta seleccionada";
    case IDS_GENERAL:
        return "<general>";
    case IDS_NINGUNO:
        return "<ninguno>";
    case IDS_SIN_NOMBRE:
        return "       __     ";
    case IDS_TAREA_LECTIVA:
        return "Docencia directa con alumnos";
    case IDS_TAREA_GUARDIA:
        return "Guardia de aula";
    case IDS_TAREA_REUNION:
        return "Reuni\xF3n de departamento";
    case IDS_TUTOR_SIN_ASIGNATURA:
        return "El profesor %s es tutor de %s sin que le imparta otra asignatura";
    case IDS_TUTOR_NO_CORRESPONDE:
        return "No se corresponde el tutor asignado en la lista de grupos de alumnos %s con el "
               "asignado a la sesi\xF3n de tutor\xED"
               "a";
    case IDS_VARIAS_TUTORIAS:
        return "El profesor %s tiene m\xE1s de una tutor\xED"
               "a asignada.";
    case IDS_AVISO:
        return "Aviso";
    case IDS_INFORMACION:
        return "Informaci\xF3n";
    case IDS_MARCO_A:
        return "Marco A";
    case IDS_MARCO_B:
        return "Marco B";
    case IDS_MARCO_C:
        return "Marco C";
    case IDS_MARCO_D:
        return "Marco D";
    case IDS_MARCO_A_CORTO:
        return "[ A ]";
    case IDS_MARCO_B_CORTO:
        return "[ B ]";
    case IDS_MARCO_C_CORTO:
        return "[ C ]";
    case IDS_MARCO_D_CORTO:
        return "[ D ]";
    case IDS_FORMATO_KRT:
        return "El formato XML debe ser el propio de KRT.\nPara otros formatos XML vea: Importar "
               "datos.";
    case IDS_LECTIVO:
        return "lectivo";
    case IDS_RECREO:
        return "recreo";
    case IDS_MEDIODIA:
        return "mediod\xED"
               "a";
    default:
        return "";
    }
}

} // namespace recursos
