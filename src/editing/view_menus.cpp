#include "editing/view_menus.h"

#include "core/command_ids.h"

MenuList ViewMenu(bool withStageEntry) {
    MenuList menu{{ID_REDRAW, "Redraw"},
                  {ID_POPUP_ZOOM_ALL, "Zoom All"},
                  {ID_POPUP_ZOOM_WINDOW, "Zoom Window"}};
    if (withStageEntry) {
        menu.push_back({});
        menu.push_back({ID_STAGE1_TO_STAGE2_PROPERTIES, "Stage 1 -> Stage 2 Properties"});
    }
    return menu;
}
