#include "platform/win32/ComApartment.h"

#include <windows.h>
#include <objbase.h>

namespace brivex {

ComApartment::ComApartment(Model model)
    : status_(
          CoInitializeEx(nullptr, model == Model::MultiThreaded ? COINIT_MULTITHREADED : COINIT_APARTMENTTHREADED)) {}

// S_FALSE (already initialised on this thread) still counts and must be balanced.
ComApartment::~ComApartment() {
    if (Entered()) CoUninitialize();
}

bool ComApartment::Entered() const { return SUCCEEDED(status_); }

}  // namespace brivex
