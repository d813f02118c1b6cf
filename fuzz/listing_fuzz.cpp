// The test listing's page flow over arbitrary page sizes and text heights:
// the same steps the listing takes with what the printer and DrawTextA report.
#include "print/print_layout.h"

#include "fuzz/fuzz_input.h"

#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    PageMetrics page;
    page.Width = Take32(data, size);
    page.Height = Take32(data, size);
    page.DpiX = Take32(data, size);
    page.DpiY = Take32(data, size);
    int header = Take32(data, size);

    ListingFlow flow;
    StartListingFlow(&flow, &page);
    int pages = 0, blocks = 0;
    // At most the 120 questions of a test, each a block of the height given.
    while (size > 0 && blocks < 120) {
        int height = Take32(data, size);
        ++blocks;
        if (!flow.PageOpen) {
            if (OpenListingPage(&flow) != ++pages) __builtin_trap();
            AdvanceListing(&flow, header);
        }
        if (ListingNeedsBreak(&flow, height)) {
            CloseListingPage(&flow);
            if (OpenListingPage(&flow) != ++pages) __builtin_trap();
            AdvanceListing(&flow, header);
        }
        int before = flow.Y;
        AdvanceListing(&flow, height);
        // Moving down by a height of either sign never wraps around.
        if (height >= 0 && flow.Y < before) __builtin_trap();
        if (height < 0 && flow.Y > before) __builtin_trap();
    }
    // One page per block at most, and one more when the first block does not
    // fit under the header of its page; one at least when there was a block.
    if (pages > blocks + 1 || (blocks > 0 && pages < 1)) __builtin_trap();
    if (flow.PageOpen) CloseListingPage(&flow);
    return 0;
}
