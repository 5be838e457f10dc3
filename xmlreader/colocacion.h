// Placing a solved timetable's slots in the placement grids (CDatos::Colocar*).
#pragma once

// 1 when `texto` is empty or every byte of it is an ASCII digit, else 0.
int EsNumerico(const char* texto);
