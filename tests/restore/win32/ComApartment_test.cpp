#include "platform/win32/ComApartment.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>

#include <thread>

namespace brivex {
namespace {

// What entering the multithreaded apartment answers tells which apartment the
// thread is in: RPC_E_CHANGED_MODE in a single-threaded one, S_FALSE in the
// multithreaded one, S_OK in none. The probe's own entry is undone at once.
HRESULT ProbeApartment() {
    const HRESULT status = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (SUCCEEDED(status)) CoUninitialize();
    return status;
}

void OnFreshThread(void (*body)()) { std::thread(body).join(); }

TEST(ComApartment_Lifetime, EntersASingleThreadedApartmentAndLeavesIt) {
    OnFreshThread([] {
        {
            ComApartment apartment;
            EXPECT_TRUE(apartment.Entered());
            EXPECT_EQ(ProbeApartment(), RPC_E_CHANGED_MODE);
        }
        EXPECT_EQ(ProbeApartment(), S_OK);
    });
}

TEST(ComApartment_Lifetime, EntersTheMultithreadedApartmentWhenAskedAndLeavesIt) {
    OnFreshThread([] {
        {
            ComApartment apartment(ComApartment::Model::MultiThreaded);
            EXPECT_TRUE(apartment.Entered());
            EXPECT_EQ(ProbeApartment(), S_FALSE);
        }
        EXPECT_EQ(ProbeApartment(), S_OK);
    });
}

TEST(ComApartment_Lifetime, NestedApartmentsLeaveOnlyWithTheLast) {
    OnFreshThread([] {
        {
            ComApartment outer;
            {
                ComApartment inner;
                EXPECT_TRUE(inner.Entered());
            }
            EXPECT_EQ(ProbeApartment(), RPC_E_CHANGED_MODE);
        }
        EXPECT_EQ(ProbeApartment(), S_OK);
    });
}

TEST(ComApartment_Lifetime, AThreadInAnotherApartmentKeepsIt) {
    OnFreshThread([] {
        ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
        {
            ComApartment apartment;
            EXPECT_FALSE(apartment.Entered());
        }
        EXPECT_EQ(ProbeApartment(), S_FALSE);
        CoUninitialize();
    });
}

}  // namespace
}  // namespace brivex
