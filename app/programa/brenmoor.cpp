// The program: the application object runs its main dialog on the screen.
#include "app/brenmoor.h"
#include "platform/ui/ui.h"

int main(int argc, char** argv) {
    return plataforma::ui::Ejecutar(argc, argv, [](plataforma::Interfaz& interfaz) {
        CBrenmoorApp aplicacion;
        aplicacion.InitInstance(interfaz);
    });
}
