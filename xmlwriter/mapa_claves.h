// Key maps of a session's companion lists. The lists are written in the iteration order of a
// chained hash table of 17 buckets, which the planner's documents have always had: buckets in
// ascending order and, within a bucket, the most recently added key first. A value that is
// replaced keeps its key's place.
#pragma once

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

inline constexpr int NUM_CUBETAS_CLAVES = 17;

// Hash of a text key over its bytes (no terminator). Keys of 10 bytes or more are sampled, one
// byte in every L / 10 + 1. Each byte is sign-extended, whatever the signedness of `char`.
inline std::uint32_t HashClave(std::string_view clave) {
    std::uint32_t h = 0x811C9DC5u;
    const std::size_t paso = clave.size() / 10 + 1;
    for (std::size_t i = 0; i < clave.size(); i += paso) {
        h *= 0x01000193u;
        h ^= static_cast<std::uint32_t>(
            static_cast<std::int32_t>(static_cast<std::int8_t>(clave[i])));
    }
    return h;
}

inline int CubetaClave(std::string_view clave) {
    return static_cast<int>(HashClave(clave) % NUM_CUBETAS_CLAVES);
}

inline int CubetaNumero(std::uint32_t n) {
    return static_cast<int>((16807u * n) % NUM_CUBETAS_CLAVES);
}

// The bucket of each key is given by the caller, so a key may be told apart by more than the
// text that places it.
template <class Clave, class Valor> class MapaClaves {
public:
    // The value of `clave`, looked for in bucket `cubeta`; null when absent.
    Valor* Buscar(const Clave& clave, int cubeta) {
        for (Entrada& e : cubetas_[cubeta])
            if (e.clave == clave) return &e.valor;
        return nullptr;
    }
    // Adds the key when it is absent; a present key keeps its first value.
    void AnadirSiFalta(const Clave& clave, int cubeta, Valor valor) {
        if (Buscar(clave, cubeta) == nullptr)
            cubetas_[cubeta].push_back(Entrada{clave, std::move(valor)});
    }
    // Sets the key's value; a present key keeps its place.
    void Fijar(const Clave& clave, int cubeta, Valor valor) {
        if (Valor* v = Buscar(clave, cubeta))
            *v = std::move(valor);
        else
            cubetas_[cubeta].push_back(Entrada{clave, std::move(valor)});
    }
    bool Vacio() const {
        for (const auto& c : cubetas_)
            if (!c.empty()) return false;
        return true;
    }
    // Visits (key, value) in iteration order.
    template <class F> void Recorrer(F&& f) const {
        for (const auto& c : cubetas_)
            for (auto e = c.rbegin(); e != c.rend(); ++e)
                f(e->clave, e->valor);
    }

private:
    struct Entrada {
        Clave clave;
        Valor valor;
    };
    std::vector<Entrada> cubetas_[NUM_CUBETAS_CLAVES]; // oldest first
};
