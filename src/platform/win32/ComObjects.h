#pragma once
// Owners for the three things COM hands out: interface pointers, VARIANTs and
// BSTRs. Move-only, so every reference taken is released exactly once.

#include <windows.h>
#include <oleauto.h>

#include <string_view>
#include <utility>

namespace brivex {

template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ~ComPtr() { Reset(); }

    T* Get() const { return pointer_; }
    T* operator->() const { return pointer_; }
    T& operator*() const { return *pointer_; }

    // For the out-parameter of CoGetObject or QueryInterface: whatever was
    // held is released first.
    void** Receive() {
        Reset();
        return reinterpret_cast<void**>(&pointer_);
    }

private:
    void Reset() {
        if (pointer_) std::exchange(pointer_, nullptr)->Release();
    }

    T* pointer_ = nullptr;
};

class Variant {
public:
    Variant() { VariantInit(&value_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    Variant(Variant&& other) noexcept : value_(other.value_) { VariantInit(&other.value_); }
    ~Variant() { VariantClear(&value_); }

    const VARIANT& Get() const { return value_; }
    // For an out-parameter: whatever was held is cleared first.
    VARIANT* Receive() {
        VariantClear(&value_);
        return &value_;
    }

private:
    VARIANT value_;
};

class Bstr {
public:
    explicit Bstr(std::wstring_view text) : text_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { SysFreeString(text_); }

    BSTR Get() const { return text_; }
    // For a by-reference argument: the callee may free the text and leave another.
    BSTR* Address() { return &text_; }

private:
    BSTR text_;
};

}  // namespace brivex
