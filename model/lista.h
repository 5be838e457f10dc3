// Record lists: a doubly linked list of plain fixed-size records whose nodes never move, so a
// node's address can serve as a reference to its record.
#pragma once

#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <vector>

#include "platform/text.h"

// A reference from one record to another. In a model of mode 0 it holds the target's list node
// (its address); in mode 1 the target's 0-based index in its list. It is pointer-sized so it
// can hold either.
using Ref = std::uintptr_t;

// Copies at most N - 1 bytes of `origen` into `destino` and always terminates it.
template <std::size_t N> void CopiarTexto(char (&destino)[N], const char* origen) {
    std::size_t n = 0;
    if (origen != nullptr) {
        while (n < N - 1 && origen[n] != '\0')
            ++n;
        std::memcpy(destino, origen, n);
    }
    destino[n] = '\0';
}

template <class T> class MCList {
public:
    struct Nodo {
        Nodo* siguiente;
        Nodo* anterior;
        T dato;
        // Kept by the list: the list the node is linked in, and its 0-based position there
        // while the list's positions are current.
        const MCList* lista;
        int posicion;
    };

    MCList() = default;
    MCList(const MCList&) = delete;
    MCList& operator=(const MCList&) = delete;
    ~MCList() { Vaciar(); }

    int Cuenta() const { return cuenta_; }
    bool Vacia() const { return cuenta_ == 0; }
    Nodo* Cabeza() const { return cabeza_; }
    Nodo* Cola() const { return cola_; }

    // Appends a zeroed record and returns its node (large records are filled in place).
    Nodo* AnadirAlFinal() { return Enlazar(NuevoNodo(), nullptr); }
    Nodo* AnadirAlFinal(const T& r) { return Enlazar(NuevoNodo(r), nullptr); }
    Nodo* AnadirAlPrincipio(const T& r) { return Enlazar(NuevoNodo(r), cabeza_); }
    // Inserts before `pos` (at the tail when `pos` is null).
    Nodo* InsertarAntes(Nodo* pos, const T& r) { return Enlazar(NuevoNodo(r), pos); }
    Nodo* InsertarDespues(Nodo* pos, const T& r) {
        return Enlazar(NuevoNodo(r), pos != nullptr ? pos->siguiente : cabeza_);
    }

    // Unlinks and frees one node.
    void Quitar(Nodo* n) {
        Desenlazar(n);
        delete n;
    }
    // Moves node `n` of this list before `pos` (to the tail when `pos` is null); the node keeps
    // its address.
    void Mover(Nodo* n, Nodo* pos) {
        if (n == pos) return;
        Desenlazar(n);
        Enlazar(n, pos);
    }
    void Vaciar() {
        Nodo* n = cabeza_;
        while (n != nullptr) {
            Nodo* s = n->siguiente;
            delete n;
            n = s;
        }
        cabeza_ = cola_ = nullptr;
        cuenta_ = 0;
        ++estructura_;
        nombres_ = IndiceNombres{};
        claves_ = IndiceNombres{};
        std::vector<Nodo*>().swap(orden_);
    }

    // To be called after a record's name or export code was changed in place: every lookup
    // over the list then indexes it again.
    void NombresCambiados() { ++estructura_; }
    // A number that changes whenever a node is linked or unlinked anywhere in the list (tail
    // appends included), for indexes kept beside the list.
    std::uint64_t Version() const { return version_; }
    // A number that changes with every change but an append at the tail (and with
    // NombresCambiados): an index of first matches kept beside the list is then built again.
    std::uint64_t Estructura() const { return estructura_; }

    // The node at 0-based index `i`; null when out of range.
    Nodo* NodoEnIndice(std::intptr_t i) const {
        if (i < 0 || i >= cuenta_) return nullptr;
        if (ordenEstructura_ != estructura_) {
            orden_.clear();
            ordenEstructura_ = estructura_;
        }
        if (orden_.size() != static_cast<std::size_t>(cuenta_)) {
            orden_.reserve(static_cast<std::size_t>(cuenta_));
            for (Nodo* n = orden_.empty() ? cabeza_ : orden_.back()->siguiente; n != nullptr;
                 n = n->siguiente)
                orden_.push_back(n);
        }
        return orden_[static_cast<std::size_t>(i)];
    }

    // The number of nodes before `n` (a node of this list) in the list.
    int IndiceDe(const Nodo* n) const {
        if (posicionesEstructura_ != estructura_) {
            int i = 0;
            for (Nodo* p = cabeza_; p != nullptr; p = p->siguiente)
                p->posicion = i++;
            posicionesEstructura_ = estructura_;
        }
        return n->posicion;
    }

    // The first node, from the head, whose record name equals `clave` under the name comparison
    // (case and accents ignored); null when none.
    Nodo* BuscarNombre(const char* clave) const {
        return Buscar(nombres_, clave, false, [](const T& r) -> const char* { return r.nombre; });
    }
    // The first node, from the head, whose export code equals `clave` under the comparison that
    // keeps letter case (accents ignored); null when none.
    Nodo* BuscarClaveDeExportacion(const char* clave) const {
        return Buscar(claves_, clave, true,
                      [](const T& r) -> const char* { return r.claveDeExportacion; });
    }

    // Inserts a copy keeping name order: walking back from the tail, the new record goes after
    // the first record whose name is not greater than its own, so equal names keep their order
    // of arrival; when none qualifies it becomes the first.
    Nodo* InsertarOrdenado(const T& r) {
        if (cola_ == nullptr || cuenta_ < 1) return AnadirAlFinal(r);
        Nodo* e = cola_;
        Nodo* ultimo = e;
        for (int k = 0; k < cuenta_ && e != nullptr; ++k, e = e->anterior) {
            ultimo = e;
            if (plataforma::CompararNombres(r.nombre, e->dato.nombre) !=
                plataforma::Comparacion::Menor)
                return InsertarDespues(e, r);
        }
        return InsertarAntes(ultimo, r);
    }

    // Range-for over the records.
    class iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = T*;
        using reference = T&;
        explicit iterator(Nodo* n = nullptr) : n_(n) {}
        T& operator*() const { return n_->dato; }
        T* operator->() const { return &n_->dato; }
        iterator& operator++() {
            n_ = n_->siguiente;
            return *this;
        }
        iterator operator++(int) {
            iterator t = *this;
            n_ = n_->siguiente;
            return t;
        }
        bool operator==(const iterator& o) const { return n_ == o.n_; }
        Nodo* nodo() const { return n_; }

    private:
        Nodo* n_;
    };
    iterator begin() const { return iterator(cabeza_); }
    iterator end() const { return iterator(nullptr); }

private:
    // A lookup by collation key: the first node in list order of each key among the nodes from
    // the head up to `ultimo`. It is extended over appended nodes when a lookup runs and built
    // again after any other change of the list. The tail is never in it: builders append a
    // record and fill its name afterwards, so the tail is compared at each lookup instead.
    struct HashTexto {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const {
            return std::hash<std::string_view>()(s);
        }
    };
    struct IndiceNombres {
        std::unordered_map<std::string, Nodo*> primero;
        // The answers already given from `primero`, by the bytes asked for: they stay the
        // first match while the list only grows at its tail.
        std::unordered_map<std::string, Nodo*, HashTexto, std::equal_to<>> porTexto;
        const Nodo* ultimo = nullptr;
        std::uint64_t estructura = 0;
        bool iniciado = false;
    };

    template <class Campo>
    Nodo* Buscar(IndiceNombres& indice, const char* clave, bool conMayusculas, Campo campo) const {
        auto claveDe = [conMayusculas](std::string_view texto, std::string& k) {
            return conMayusculas ? plataforma::ClaveDeNombreConMayusculas(texto, k)
                                 : plataforma::ClaveDeNombre(texto, k);
        };
        if (cabeza_ == nullptr) return nullptr;
        if (!indice.iniciado || indice.estructura != estructura_) {
            indice.porTexto.clear();
            indice.primero.clear();
            indice.ultimo = nullptr;
            indice.estructura = estructura_;
            indice.iniciado = true;
        }
        const std::string_view texto(clave);
        if (const auto dado = indice.porTexto.find(texto); dado != indice.porTexto.end())
            return dado->second;
        std::string k;
        // Without a collator no two names are equal.
        if (!claveDe(texto, k)) return nullptr;
        std::string kn;
        for (Nodo* n = indice.ultimo != nullptr ? indice.ultimo->siguiente : cabeza_;
             n != nullptr && n != cola_; n = n->siguiente) {
            if (claveDe(campo(n->dato), kn)) indice.primero.try_emplace(kn, n);
            indice.ultimo = n;
        }
        const auto e = indice.primero.find(k);
        if (e != indice.primero.end()) {
            indice.porTexto.emplace(texto, e->second);
            return e->second;
        }
        const auto c = conMayusculas
                           ? plataforma::CompararNombresConMayusculas(clave, campo(cola_->dato))
                           : plataforma::CompararNombres(clave, campo(cola_->dato));
        return c == plataforma::Comparacion::Igual ? cola_ : nullptr;
    }

    static Nodo* NuevoNodo() { return new Nodo{}; }
    // The record is copied in as it stands, without zeroing the node first.
    static Nodo* NuevoNodo(const T& r) { return new Nodo{nullptr, nullptr, r, nullptr, 0}; }
    // Links `n` before `pos` (at the tail when `pos` is null).
    Nodo* Enlazar(Nodo* n, Nodo* pos) {
        n->lista = this;
        ++version_;
        if (pos == nullptr) {
            n->anterior = cola_;
            n->siguiente = nullptr;
            if (cola_ != nullptr)
                cola_->siguiente = n;
            else
                cabeza_ = n;
            cola_ = n;
            // An append keeps the positions of the others.
            n->posicion = cuenta_;
        } else {
            ++estructura_;
            n->siguiente = pos;
            n->anterior = pos->anterior;
            if (pos->anterior != nullptr)
                pos->anterior->siguiente = n;
            else
                cabeza_ = n;
            pos->anterior = n;
        }
        ++cuenta_;
        return n;
    }
    void Desenlazar(Nodo* n) {
        ++version_;
        ++estructura_;
        if (n->anterior != nullptr)
            n->anterior->siguiente = n->siguiente;
        else
            cabeza_ = n->siguiente;
        if (n->siguiente != nullptr)
            n->siguiente->anterior = n->anterior;
        else
            cola_ = n->anterior;
        n->siguiente = n->anterior = nullptr;
        n->lista = nullptr;
        --cuenta_;
    }

    Nodo* cabeza_ = nullptr;
    Nodo* cola_ = nullptr;
    int cuenta_ = 0;
    // Changes with every link or unlink.
    std::uint64_t version_ = 0;
    // Changes with every change but an append at the tail: what indexes by position or by
    // first match must then be built again.
    std::uint64_t estructura_ = 0;
    // The positions in the nodes are current while this equals `estructura_`.
    mutable std::uint64_t posicionesEstructura_ = 0;
    mutable std::vector<Nodo*> orden_; // NodoEnIndice's nodes by position, a prefix of the list
    mutable std::uint64_t ordenEstructura_ = 0;
    mutable IndiceNombres nombres_;
    mutable IndiceNombres claves_;

    static_assert(std::is_trivially_copyable_v<T>, "records are plain fixed-size structures");
};

// Number of nodes before `n` in its list (0 for the head); 0 for a null node.
template <class Nodo> int CalcularIndiceNodo(const Nodo* n) {
    if (n == nullptr) return 0;
    if (n->lista == nullptr) return 0;
    return n->lista->IndiceDe(n);
}

// A lookup kept beside a list: the first node, in list order, whose text field holds exactly
// the given bytes, compared as strncmp does over at most `largo` bytes. Like the list's own
// lookups it is extended over appended nodes and built again after any other change, and the
// tail is compared at each lookup.
template <class T> class IndiceExacto {
public:
    using Nodo = typename MCList<T>::Nodo;
    using Campo = const char* (*)(const T&);
    IndiceExacto(Campo campo, std::size_t largo) : campo_(campo), largo_(largo) {}

    Nodo* Buscar(const MCList<T>& lista, std::string_view texto) {
        texto = Cortado(texto.data(), texto.size());
        if (lista_ != &lista || estructura_ != lista.Estructura()) {
            primero_.clear();
            ultimo_ = nullptr;
            lista_ = &lista;
            estructura_ = lista.Estructura();
        }
        for (Nodo* n = ultimo_ != nullptr ? ultimo_->siguiente : lista.Cabeza();
             n != nullptr && n != lista.Cola(); n = n->siguiente) {
            const char* c = campo_(n->dato);
            primero_.try_emplace(std::string(Cortado(c, largo_)), n);
            ultimo_ = n;
        }
        const auto e = primero_.find(std::string(texto));
        if (e != primero_.end()) return e->second;
        Nodo* cola = lista.Cola();
        if (cola != nullptr && Cortado(campo_(cola->dato), largo_) == texto) return cola;
        return nullptr;
    }

private:
    // The bytes strncmp looks at: up to the terminator, at most `largo_`.
    std::string_view Cortado(const char* texto, std::size_t maximo) const {
        std::size_t n = 0;
        while (n < maximo && n < largo_ && texto[n] != '\0')
            ++n;
        return std::string_view(texto, n);
    }

    Campo campo_;
    std::size_t largo_;
    std::unordered_map<std::string, Nodo*> primero_;
    const Nodo* ultimo_ = nullptr;
    const MCList<T>* lista_ = nullptr;
    std::uint64_t estructura_ = 0;
};
