#include "platform/dialogo.h"

#include <climits>
#include <cstdio>

#include "platform/text.h"

namespace plataforma {

namespace {

// Blanks, an optional sign, at least one digit, blanks; nothing else. The value must fit an int.
bool LeerEnteroEstricto(const std::string& texto, int& valor) {
    std::size_t i = 0;
    const std::size_t n = texto.size();
    while (i < n && EsEspacio(static_cast<unsigned char>(texto[i])))
        ++i;
    bool negativo = false;
    if (i < n && (texto[i] == '-' || texto[i] == '+')) negativo = texto[i++] == '-';
    const std::size_t inicio = i;
    long long v = 0;
    while (i < n && EsDigito(static_cast<unsigned char>(texto[i]))) {
        v = v * 10 + (texto[i] - '0');
        if (v > static_cast<long long>(INT_MAX) + 1) return false;
        ++i;
    }
    if (i == inicio) return false;
    while (i < n && EsEspacio(static_cast<unsigned char>(texto[i])))
        ++i;
    if (i != n) return false;
    if (negativo) v = -v;
    if (v > INT_MAX || v < INT_MIN) return false;
    valor = static_cast<int>(v);
    return true;
}

} // namespace

void IntercambioDatos::Refusar(std::string aviso) {
    fallo_ = std::move(aviso);
    controlFallido_ = ultimoControl_;
}

void IntercambioDatos::Texto(int control, std::string& valor) {
    if (!Valido()) return;
    ultimoControl_ = control;
    if (guardar_)
        valor = textos_[control];
    else
        textos_[control] = valor;
}

void IntercambioDatos::Entero(int control, int& valor) {
    if (!Valido()) return;
    ultimoControl_ = control;
    if (!guardar_) {
        textos_[control] = std::to_string(valor);
        return;
    }
    if (!LeerEnteroEstricto(textos_[control], valor)) Refusar("Escriba un n\xFAmero entero.");
}

void IntercambioDatos::Casilla(int control, int& valor) {
    if (!Valido()) return;
    ultimoControl_ = control;
    if (guardar_)
        valor = textos_[control] == "1" ? 1 : 0;
    else
        textos_[control] = std::string(1, valor != 0 ? '1' : '0');
}

void IntercambioDatos::MaximoCaracteres(const std::string& valor, int maximo) {
    if (!guardar_ || !Valido()) return;
    if (valor.size() > static_cast<std::size_t>(maximo)) {
        char aviso[64];
        std::snprintf(aviso, sizeof aviso, "Escriba como m\xE1ximo %d caracteres.", maximo);
        Refusar(aviso);
    }
}

void IntercambioDatos::EnteroEntre(int valor, int minimo, int maximo) {
    if (!guardar_ || !Valido()) return;
    if (valor < minimo || valor > maximo) {
        char aviso[80];
        std::snprintf(aviso, sizeof aviso, "Escriba un n\xFAmero entero entre %d y %d.", minimo,
                      maximo);
        Refusar(aviso);
    }
}

bool ValidarDialogo(CDialogo& dialogo, std::map<int, std::string>& textos, std::string& aviso,
                    int& control) {
    IntercambioDatos dx(textos, true);
    dialogo.DoDataExchange(dx);
    aviso = dx.Aviso();
    control = dx.ControlFallido();
    return dx.Valido();
}

std::map<int, std::string> TextosIniciales(CDialogo& dialogo) {
    std::map<int, std::string> textos;
    IntercambioDatos dx(textos, false);
    dialogo.DoDataExchange(dx);
    return textos;
}

} // namespace plataforma
