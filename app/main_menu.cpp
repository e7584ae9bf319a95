#include "app/main_menu.h"

#include <initializer_list>

#include "app/control_ids.h"

namespace pq::app {

namespace {

struct Item {
    const char* caption;
    int id;  // 0: a submenu follows in `sub`
    std::initializer_list<Item> sub = {};
};

HMENU build(std::initializer_list<Item> items, bool bar) {
    HMENU menu = bar ? CreateMenu() : CreatePopupMenu();
    for (const Item& item : items) {
        if (item.id != 0) {
            AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(item.id), item.caption);
        } else {
            AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(build(item.sub, false)),
                        item.caption);
        }
    }
    return menu;
}

}  // namespace

HMENU buildMainMenu1() {
    return build(
        {
            {"File", 0, {{"Exit", ids::Exit1}}},
            {"Copy",
             0,
             {{"Declaration", ids::Declaration1}, {"Selected Item", ids::SelectedItem1}}},
            {"Clipboard", 0, {{"View", ids::View1}, {"Clear", ids::Clear1}}},
            {"Help",
             0,
             {{"User Manual", ids::UserManual1},
              {"VB .NET", 0, {{"As Any ", ids::as1}}},
              {"About", ids::About1}}},
        },
        true);
}

}  // namespace pq::app
