#pragma once

namespace brivex::ui {

class Form;

// Brings forms to the screen and takes them away. Show loads a form the first
// time (its Load event, then it appears, then Activate); Unload runs its Unload
// event and destroys its window; EndProgram closes everything and stops the loop.
class FormHost {
public:
    virtual ~FormHost() = default;
    virtual void Show(Form& form) = 0;
    virtual void Unload(Form& form) = 0;
    virtual void EndProgram() = 0;
    virtual bool Ending() const = 0;
};

}  // namespace brivex::ui
