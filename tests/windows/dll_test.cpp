// The library as a Windows program meets it: a DLL loaded by name, whose export table
// holds every name of the interface, undecorated, and whose exported procedure table is
// constant data holding the DLL's own routines.
#define WIN32_LEAN_AND_MEAN
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>

#include "libzornavx_cmdsyn.h"

namespace {

constexpr const char *kExports[] = {
#include "library_exports.inc"
};

class CmdsynDll : public testing::Test {
  protected:
    void SetUp() override {
        dll_ = LoadLibraryA(VX_CMDSYN_DLL);
        ASSERT_NE(dll_, nullptr) << "LoadLibrary: error " << GetLastError();
    }
    void TearDown() override {
        if (dll_ != nullptr) FreeLibrary(dll_);
    }
    FARPROC find(const char *name) const { return GetProcAddress(dll_, name); }
    template <class T>
    const T *data(const char *name) const {
        return reinterpret_cast<const T *>(find(name));
    }
    // An exported function as the type it has.
    template <class F>
    F function(const char *name) const {
        return reinterpret_cast<F>(reinterpret_cast<void (*)()>(find(name)));
    }
    std::uintptr_t address(const char *name) const { return reinterpret_cast<std::uintptr_t>(find(name)); }

    HMODULE dll_ = nullptr;
};

TEST_F(CmdsynDll, ExportsEveryNameOfTheInterface) {
    for (const char *name : kExports) EXPECT_NE(find(name), nullptr) << name;
}

TEST_F(CmdsynDll, EntriesAreCdeclWithoutDecoration) {
    // A stdcall entry would be exported as "_name@12" (three 4-byte arguments).
    for (const char *name : {"vx_cmdsyn_lspacket", "vx_cmdsyn_mkreplica", "vx_cmdsyn_help"}) {
        EXPECT_EQ(find(("_" + std::string(name) + "@12").c_str()), nullptr) << name;
        EXPECT_EQ(find((std::string(name) + "@12").c_str()), nullptr) << name;
    }
}

TEST_F(CmdsynDll, ProcedureTableHoldsTheExportedRoutines) {
    const auto *table = data<proc_table_entry_t>("vx_cmdsyn_proc_table");
    ASSERT_NE(table, nullptr);
    struct Slot {
        int slot;
        const char *routine;
    };
    const Slot own[] = {
        {0, "vx_cmdsyn_help"},
        {1, "vx_cmdsyn_man"},
        {6, "vx_cmdsyn_mkrptype"},
        {9, "vx_cmdsyn_mkreplica"},
        {10, "vx_cmdsyn_chreplica"},
        {11, "vx_cmdsyn_syncreplica"},
        {17, "vx_cmdsyn_lsepoch"},
        {18, "vx_cmdsyn_chepoch"},
        {19, "vx_cmdsyn_restorereplica"},
        {20, "vx_cmdsyn_rmreplica"},
        {21, "vx_cmdsyn_lspacket"},
        {22, "vx_cmdsyn_dumpoplog"},
        {24, "vx_cmdsyn_apropos"},
        {25, "vx_cmdsyn_recoverpacket"},
        {26, "vx_cmdsyn_lsexport"},
        {27, "vx_cmdsyn_familysyncstatus"},
        {28, "vx_cmdsyn_syncinfo"},
        {29, "vx_cmdsyn_shipinfo"},
        {30, "vx_cmdsyn_lssetting"},
        {31, "vx_cmdsyn_chsetting"},
        {32, "vx_cmdsyn_lsshipconfig"},
        {33, "vx_cmdsyn_chshipconfig"},
        {34, "vx_cmdsyn_perfinfo"},
        {35, "vx_cmdsyn_vxacl"},
        {36, "vx_cmdsyn_syncserver"},
    };
    for (const Slot &s : own)
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(table[s.slot].routine), address(s.routine)) << "slot " << s.slot;
    // The generic slots hold the shared command syntax's routines, reached through the
    // DLL's imports; every slot carries attribute 1.
    for (int slot = 0; slot < VX_CMDSYN_PROC_SLOTS; ++slot) {
        EXPECT_NE(table[slot].routine, nullptr) << "slot " << slot;
        EXPECT_EQ(table[slot].attr, 1u) << "slot " << slot;
    }
}

TEST_F(CmdsynDll, TablesAreReadOnlyData) {
    // Constant tables need no code at load time: they sit in read-only pages.
    using KeywordsFn = const cmd_keyword_t *(*)();
    using MessagesFn = const msg_table_t *(*)();
    const auto keywords = function<KeywordsFn>("vx_cmdsyn_get_cmdflags");
    const auto messages = function<MessagesFn>("_vx_cmdsyn_vexar_msg_table_adr");
    ASSERT_NE(keywords, nullptr);
    ASSERT_NE(messages, nullptr);
    const void *tables[] = {data<proc_table_entry_t>("vx_cmdsyn_proc_table"), keywords(), messages()};
    for (const void *table : tables) {
        MEMORY_BASIC_INFORMATION page{};
        ASSERT_NE(VirtualQuery(table, &page, sizeof page), 0u);
        EXPECT_EQ(page.Protect & 0xFF, static_cast<DWORD>(PAGE_READONLY)) << table;
    }
    EXPECT_STREQ(keywords()[28].keyword, "lspacket");
    EXPECT_EQ(keywords()[28].slot, 21);
    EXPECT_EQ(messages()->set_number, 58);
    EXPECT_EQ(messages()->count, 148);
}

}  // namespace
