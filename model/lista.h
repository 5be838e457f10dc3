// Record lists: a doubly linked list of plain fixed-size records whose nodes never move, so a
// node's address can serve as a reference to its record.
#pragma once

#include <cstdint>
#include <cstring>
#include <iterator>
#include <type_traits>

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
    }

    // The node at 0-based index `i`, walking from the head; null when out of range.
    Nodo* NodoEnIndice(std::intptr_t i) const {
        if (i < 0 || i >= cuenta_) return nullptr;
        Nodo* n = cabeza_;
        while (i-- > 0)
            n = n->siguiente;
        return n;
    }

    // The first node, from the head, whose record name equals `clave` under the name comparison
    // (case and accents ignored); null when none.
    Nodo* BuscarNombre(const char* clave) const {
        for (Nodo* n = cabeza_; n != nullptr; n = n->siguiente)
            if (plataforma::CompararNombres(clave, n->dato.nombre) ==
                plataforma::Comparacion::Igual)
                return n;
        return nullptr;
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
    static Nodo* NuevoNodo() { return new Nodo{}; }
    static Nodo* NuevoNodo(const T& r) {
        Nodo* n = new Nodo{};
        std::memcpy(static_cast<void*>(&n->dato), &r, sizeof(T));
        return n;
    }
    // Links `n` before `pos` (at the tail when `pos` is null).
    Nodo* Enlazar(Nodo* n, Nodo* pos) {
        if (pos == nullptr) {
            n->anterior = cola_;
            n->siguiente = nullptr;
            if (cola_ != nullptr)
                cola_->siguiente = n;
            else
                cabeza_ = n;
            cola_ = n;
        } else {
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
        if (n->anterior != nullptr)
            n->anterior->siguiente = n->siguiente;
        else
            cabeza_ = n->siguiente;
        if (n->siguiente != nullptr)
            n->siguiente->anterior = n->anterior;
        else
            cola_ = n->anterior;
        n->siguiente = n->anterior = nullptr;
        --cuenta_;
    }

    Nodo* cabeza_ = nullptr;
    Nodo* cola_ = nullptr;
    int cuenta_ = 0;

    static_assert(std::is_trivially_copyable_v<T>, "records are plain fixed-size structures");
};

// Number of nodes before `n` in its list (0 for the head); 0 for a null node.
template <class Nodo> int CalcularIndiceNodo(const Nodo* n) {
    int i = 0;
    if (n == nullptr) return 0;
    for (const Nodo* p = n->anterior; p != nullptr; p = p->anterior)
        ++i;
    return i;
}
