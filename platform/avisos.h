// Notices: the message boxes that the readers and writers show in the middle of their work.
//
// They go through the current notice service: the application installs the on-screen one,
// tests install a recording one with scripted answers. Texts are Windows-1252.
#pragma once

#include <deque>
#include <string>
#include <vector>

namespace plataforma {

enum class Icono { Ninguno, Informacion, Exclamacion, Pregunta, Error };
enum class Botones { Aceptar, AceptarCancelar, SiNo, SiNoCancelar };
enum class Respuesta { Aceptar, Cancelar, Si, No };

class Avisos {
public:
    virtual ~Avisos() = default;
    // Shows `texto` with its title, icon and buttons and returns the button chosen.
    virtual Respuesta Mostrar(const std::string& texto, const std::string& titulo, Icono icono,
                              Botones botones) = 0;
};

// The current notice service. Without one installed, notices are answered with the first
// button (Aceptar or Si) and shown nowhere.
Avisos& AvisosActuales();
// Installs `avisos` (null: none) and returns the previous one.
Avisos* InstalarAvisos(Avisos* avisos);

// Installs a service for the lifetime of the object.
class AvisosInstalados {
public:
    explicit AvisosInstalados(Avisos& a) : anterior_(InstalarAvisos(&a)) {}
    ~AvisosInstalados() { InstalarAvisos(anterior_); }
    AvisosInstalados(const AvisosInstalados&) = delete;
    AvisosInstalados& operator=(const AvisosInstalados&) = delete;

private:
    Avisos* anterior_;
};

// Records every notice; answers from a queue of scripted answers, then with the first button.
class AvisosGrabados : public Avisos {
public:
    struct Aviso {
        std::string texto;
        std::string titulo;
        Icono icono;
        Botones botones;
    };
    Respuesta Mostrar(const std::string& texto, const std::string& titulo, Icono icono,
                      Botones botones) override;

    std::vector<Aviso> avisos;
    std::deque<Respuesta> respuestas;
};

} // namespace plataforma
