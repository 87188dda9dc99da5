#include "base/ErrorCatalog.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

// Any message file loads or is refused without a fault; every code then has a text, looked up
// within what the file held, and the built-in texts come back on reset.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    static const std::string path = "/tmp/fuzz_message_file." + std::to_string(getpid()) + ".err";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    for (TvMessageTable* table : {&gSnmpErrorStatusTable, &gTvSnmpTable, &gCommonTable}) {
        LoadMessageFile(*table, path);
        for (int i = -1; i <= table->Count(); ++i)
            (void)table->Text(i);
    }
    for (int code = -540; code <= 1; ++code)
        (void)CatalogText(code);
    (void)CatalogText(-531, {{"STATUS", "7"}});
    ResetMessageTables();
    if (CatalogText(0) != "(TvSNMP++) Ok!")
        std::abort();
    return 0;
}
