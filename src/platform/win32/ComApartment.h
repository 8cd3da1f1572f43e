#pragma once

namespace brivex {

// COM for the calling thread, in a single-threaded apartment as a thread with
// windows needs. The entry point holds one for the program's life; a thread
// already in another apartment keeps it, and this one then releases nothing.
class ComApartment {
public:
    ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment();

    bool Entered() const;

private:
    long status_;  // what CoInitializeEx answered
};

}  // namespace brivex
