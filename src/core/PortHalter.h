#pragma once

namespace torvane {

// Hält die eingesetzte Umsetzung eines Ports. Ohne Bildschirm, in Tests und nach setzen(nullptr)
// gilt die eigene stille, damit eine Regel nie ins Leere ruft.
template <class Port, class Still = Port>
class PortHalter {
public:
    Port& operator*() const { return *aktuell_; }
    Port* operator->() const { return aktuell_; }
    void setzen(Port* p) { aktuell_ = p ? p : &still_; }

private:
    Still still_;
    Port* aktuell_ = &still_;
};

} // namespace torvane
