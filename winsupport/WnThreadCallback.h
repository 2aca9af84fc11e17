#pragma once

#include <windows.h>

// What a WnThread runs. The result becomes the thread's exit code.
class WnThreadCallbackInterface {
public:
    virtual DWORD Run() = 0;

protected:
    ~WnThreadCallbackInterface() = default;
};

// Forwards Run to a member function of its owner. The owner fills in both fields
// before the thread starts; they are not checked for null.
template <class Owner>
class WnThreadCallbackForwarderT : public WnThreadCallbackInterface {
public:
    using MemberFunction = DWORD (Owner::*)();

    WnThreadCallbackForwarderT() = default;
    WnThreadCallbackForwarderT(Owner* forwardOwner, MemberFunction forwardFunction)
        : owner(forwardOwner), memberFunction(forwardFunction)
    {
    }

    DWORD Run() override { return (owner->*memberFunction)(); }

    Owner* owner = nullptr;
    MemberFunction memberFunction = nullptr;
};
