// Geprüfte Felder mit den Indizes des Spiels (Transferliste 1..11, Liga 1..4 ...).
#pragma once

#include "core/Fehler.h"

#include <cstddef>
#include <vector>

namespace torvane {

// Festes Feld mit den Grenzen Von..Bis; das Speicherbild ist das des reinen Arrays.
template <class T, int Von, int Bis>
struct Feld {
    static_assert(Bis >= Von);
    static constexpr int von = Von;
    static constexpr int bis = Bis;
    static constexpr int anzahl = Bis - Von + 1;
    T w[anzahl];

    T& operator[](int64_t i)
    {
        if (i < Von || i > Bis) BereichFehler("Feldindex", i, Von, Bis);
        return w[i - Von];
    }
    const T& operator[](int64_t i) const
    {
        if (i < Von || i > Bis) BereichFehler("Feldindex", i, Von, Bis);
        return w[i - Von];
    }
    T* begin() { return w; }
    T* end() { return w + anzahl; }
    const T* begin() const { return w; }
    const T* end() const { return w + anzahl; }
};

// Dynamisches Feld ab Index 0 (Vereine, Spielerpool, Saisonbilanz).
template <class T>
class Liste {
public:
    T& operator[](int64_t i)
    {
        if (i < 0 || i >= static_cast<int64_t>(v_.size())) BereichFehler("Listenindex", i, 0, hoch());
        return v_[static_cast<size_t>(i)];
    }
    const T& operator[](int64_t i) const
    {
        if (i < 0 || i >= static_cast<int64_t>(v_.size())) BereichFehler("Listenindex", i, 0, hoch());
        return v_[static_cast<size_t>(i)];
    }
    int64_t laenge() const { return static_cast<int64_t>(v_.size()); }
    int64_t hoch() const { return laenge() - 1; }
    // Vorhandene Einträge bleiben, neue sind null.
    void laengeSetzen(int64_t n) { v_.resize(static_cast<size_t>(n), T{}); }
    T* daten() { return v_.data(); }
    const T* daten() const { return v_.data(); }
    auto begin() { return v_.begin(); }
    auto end() { return v_.end(); }
    auto begin() const { return v_.begin(); }
    auto end() const { return v_.end(); }
    bool operator==(const Liste&) const = default;

private:
    std::vector<T> v_;
};

} // namespace torvane
