// GTK shows a menu item's key text only for keys bound to it, and binding
// the game's keys to menu items would let the menu take them before the
// game window sees them. So the key text is set on the item's label by hand
// (gtk_accel_label_set_accel only draws it), and the item binds nothing.

#include "platform/desktop/wx_menus.h"

#include <gtk/gtk.h>
#include <wx/bitmap.h>
#include <wx/menu.h>

#include <string>

#include "platform/desktop/wx_pixels.h"

namespace platform {
namespace {

struct SplitLabel {
  std::string text;
  std::string key;
};

std::string Trimmed(const std::string& s) {
  const size_t first = s.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// "&nächste Spielebene \t+" is the text "&nächste Spielebene" with the key
// "+". The blanks around the tab only aligned the keys on other systems.
SplitLabel Split(const std::string& label) {
  const size_t tab = label.find('\t');
  if (tab == std::string::npos) return {label, {}};
  return {Trimmed(label.substr(0, tab)), Trimmed(label.substr(tab + 1))};
}

guint KeyvalOf(const std::string& key) {
  if (key.size() == 1) return gdk_unicode_to_keyval(static_cast<guint32>(key[0]));
  return gdk_keyval_from_name(key.c_str());
}

void ShowKeyText(wxMenuItem* item, const std::string& key) {
  GtkWidget* label = gtk_bin_get_child(GTK_BIN(item->GetMenuItem()));
  if (label && GTK_IS_ACCEL_LABEL(label))
    gtk_accel_label_set_accel(GTK_ACCEL_LABEL(label), KeyvalOf(key), GdkModifierType(0));
}

void AddItems(wxMenu* menu, const std::vector<MenuItem>& items, BuiltMenuBar& built) {
  for (const MenuItem& entry : items) {
    if (entry.kind == MenuItem::Kind::Separator) {
      menu->AppendSeparator();
      continue;
    }
    const SplitLabel label = Split(entry.label);
    const wxString text = wxString::FromUTF8(label.text);
    if (entry.kind == MenuItem::Kind::Submenu) {
      auto* sub = new wxMenu;
      AddItems(sub, entry.items, built);
      menu->AppendSubMenu(sub, text, wxString::FromUTF8(entry.hint));
      continue;
    }
    const wxItemKind kind = entry.kind == MenuItem::Kind::Check ? wxITEM_CHECK : wxITEM_NORMAL;
    const int toolkitId = wxID_HIGHEST + 1 + static_cast<int>(built.commandOf.size());
    wxMenuItem* item = menu->Append(toolkitId, text, wxString::FromUTF8(entry.hint), kind);
    if (!label.key.empty()) ShowKeyText(item, label.key);
    built.commandOf[toolkitId] = entry.id;
    built.toolkitIdOf[entry.id] = toolkitId;
    if (kind == wxITEM_CHECK) built.checkIds.insert(toolkitId);
  }
}

}  // namespace

BuiltMenuBar BuildMenuBar(const std::vector<Menu>& menus) {
  BuiltMenuBar built;
  built.bar = new wxMenuBar;
  for (const Menu& m : menus) {
    auto* menu = new wxMenu;
    AddItems(menu, m.items, built);
    built.bar->Append(menu, wxString::FromUTF8(m.title));
  }
  return built;
}

void MoveLastMenuToTheRight(wxMenuBar* bar) {
  if (bar->GetMenuCount() == 0) return;
  GtkWidget* title = bar->GetMenu(bar->GetMenuCount() - 1)->m_owner;
  if (!title) return;
  // Still the way to put a menu at the right end of a GTK 3 menu bar.
  G_GNUC_BEGIN_IGNORE_DEPRECATIONS
  gtk_menu_item_set_right_justified(GTK_MENU_ITEM(title), TRUE);
  G_GNUC_END_IGNORE_DEPRECATIONS
}

// GTK 3 hides menu images, and a menu item with an image stretches to the
// image's full height in an odd layout; a plain image as the item's only
// child shows the picture at its own size.
void ShowMenuPicture(wxMenuBar* bar, int toolkitId, const PixelView& picture) {
  wxMenuItem* item = bar->FindItem(toolkitId);
  if (!item || !item->GetMenuItem()) return;
  GtkWidget* widget = item->GetMenuItem();
  if (GtkWidget* child = gtk_bin_get_child(GTK_BIN(widget)))
    gtk_container_remove(GTK_CONTAINER(widget), child);
  const wxBitmap bitmap = ToBitmap(picture);
  GtkWidget* image = gtk_image_new_from_pixbuf(bitmap.GetPixbuf());
  gtk_widget_set_halign(image, GTK_ALIGN_START);
  gtk_container_add(GTK_CONTAINER(widget), image);
  gtk_widget_show(image);
}

}  // namespace platform
