#pragma once
// A named part of a form, built from form data: controls, menus, menu items and timers.

#include <memory>
#include <string>
#include <vector>

namespace ui {

class Form;
struct FormProperty;

class Component {
public:
    explicit Component(Form& form) : form_(form) {}
    virtual ~Component() = default;
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    Form& OwnerForm() const { return form_; }

    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    // Applies one property of the form data; an unknown property raises ui::Error naming it.
    virtual void SetProperty(const FormProperty& property);
    // Takes a nested component of the form data; components that hold none refuse it.
    virtual void Adopt(std::unique_ptr<Component> child);

    // Finds a component by name in this component's subtree (itself included), or null.
    virtual Component* Find(const std::string& name);

    // Called once the form's window exists, so windowed parts can make their own windows.
    virtual void CreateHandles() {}

protected:
    [[noreturn]] void RefuseProperty(const FormProperty& property) const;

private:
    Form& form_;
    std::string name_;
    int tag_ = 0;
};

} // namespace ui
