// pattik-item: an item's files from PNG pictures, or a look at a saved item, without a window.
// Everything but this entry point lives in pattik_batch, which the tests link too.
#include "batch/item_command.h"

#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char* argv[]) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return pattik::batch::RunItemCommand(args, std::cout, std::cerr);
}
