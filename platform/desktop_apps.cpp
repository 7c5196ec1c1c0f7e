#include "platform/desktop_apps.h"

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include <memory>

namespace vb {

namespace {

template <class T>
struct GObjectFree {
  void operator()(T* object) const { g_object_unref(object); }
};
template <class T>
using GObjectPtr = std::unique_ptr<T, GObjectFree<T>>;

struct GFree {
  void operator()(gchar* text) const { g_free(text); }
};

}  // namespace

std::vector<DesktopApp> AppsForFile(const std::string& native_file) {
  const std::unique_ptr<gchar, GFree> type(g_content_type_guess(native_file.c_str(), nullptr, 0, nullptr));
  std::vector<DesktopApp> apps;
  auto add = [&apps](GAppInfo* info) {
    const char* id = g_app_info_get_id(info);
    if (id == nullptr) return;
    for (const DesktopApp& app : apps) {
      if (app.id == id) return;
    }
    apps.push_back({id, g_app_info_get_name(info)});
  };
  if (GObjectPtr<GAppInfo> preferred{g_app_info_get_default_for_type(type.get(), FALSE)}) {
    add(preferred.get());
  }
  GList* all = g_app_info_get_all_for_type(type.get());
  for (GList* item = all; item != nullptr; item = item->next) add(G_APP_INFO(item->data));
  g_list_free_full(all, g_object_unref);
  return apps;
}

bool StartApp(const std::string& id, const std::string& native_file) {
  const GObjectPtr<GDesktopAppInfo> app{g_desktop_app_info_new(id.c_str())};
  if (!app) return false;
  const GObjectPtr<GFile> file{g_file_new_for_path(native_file.c_str())};
  GList files{file.get(), nullptr, nullptr};
  GError* error = nullptr;
  const bool started = g_app_info_launch(G_APP_INFO(app.get()), &files, nullptr, &error);
  if (error != nullptr) g_error_free(error);
  return started;
}

}  // namespace vb
