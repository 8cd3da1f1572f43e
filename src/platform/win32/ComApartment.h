#pragma once

namespace brivex {

// COM for the calling thread, for as long as this lives: a single-threaded
// apartment, as a thread with windows needs, or the multithreaded one, for a
// thread without windows that must not depend on anyone's message loop. A
// thread already in another apartment keeps it, and this one then releases
// nothing.
class ComApartment {
public:
    enum class Model { SingleThreaded, MultiThreaded };

    explicit ComApartment(Model model = Model::SingleThreaded);
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment();

    bool Entered() const;

private:
    long status_;  // what CoInitializeEx answered
};

}  // namespace brivex
