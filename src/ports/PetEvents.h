#pragma once
// What happens in the pet's life, as one stream of records. The core tells its actions,
// levels, saves and balloons; the simulated desktop stamps each with the virtual time and adds
// what its windows, cursors, sounds and dialogs see. The shells ignore the stream.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/Geometry.h"

namespace nuv {

struct MenuModel;

struct PetEvent {
    // A flag, a number, a text, texts, a rectangle, nothing, or a menu (valid while told).
    using Value = std::variant<bool, int, std::string, std::vector<std::string>, Rect,
                               std::nullptr_t, const MenuModel*>;
    struct Field {
        const char* name;
        Value value;
    };

    PetEvent(const char* kind, std::initializer_list<Field> fields = {})
        : kind(kind), fields(fields) {}

    bool Is(std::string_view k) const { return kind == k; }
    // The value of the field `name`; nothing when the event has none.
    const Value* Find(std::string_view name) const {
        for (const Field& field : fields) {
            if (name == field.name) return &field.value;
        }
        return nullptr;
    }
    void Add(const char* name, Value value) { fields.push_back({name, std::move(value)}); }
    void AddPosition(Point p) {
        Add("x", p.x);
        Add("y", p.y);
    }

    const char* kind;           // "action", "balloon", "sound", ...
    uint64_t time = 0;          // virtual milliseconds, stamped by the simulated desktop
    std::vector<Field> fields;  // in the order they are told
};

class IPetEvents {
  public:
    virtual ~IPetEvents() = default;
    virtual void OnEvent(const PetEvent& event) {}
};

}  // namespace nuv
