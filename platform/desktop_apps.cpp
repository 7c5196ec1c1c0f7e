#include "platform/desktop_apps.h"

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include <array>
#include <cctype>
#include <memory>
#include <span>
#include <string_view>
#include <utility>

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

// The types whose programs stand in when none is registered for a file's
// own type: a page opens in whatever opens web pages, a CSV in a text editor.
constexpr std::array<const char*, 3> kPageStandIns{"application/xhtml+xml", "x-scheme-handler/http",
                                                   "x-scheme-handler/https"};
constexpr std::array<const char*, 2> kCsvStandIns{"text/csv", "text/plain"};

bool HasExtension(std::string_view file, std::string_view extension) {
  if (file.size() < extension.size()) return false;
  const std::string_view tail = file.substr(file.size() - extension.size());
  for (size_t i = 0; i < tail.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(tail[i])) != extension[i]) return false;
  }
  return true;
}

std::span<const char* const> StandInTypes(std::string_view file) {
  if (HasExtension(file, ".htm") || HasExtension(file, ".html")) return kPageStandIns;
  if (HasExtension(file, ".csv")) return kCsvStandIns;
  return {};
}

// The applications gathered so far, each once, in the order first met.
class AppList {
 public:
  void Add(GAppInfo* info) {
    const char* id = g_app_info_get_id(info);
    if (id == nullptr) return;
    for (const DesktopApp& app : apps_) {
      if (app.id == id) return;
    }
    apps_.push_back({id, g_app_info_get_name(info)});
  }

  // Adds the applications for `type`; false when the desktop lists none.
  bool AddAllForType(const char* type) {
    GList* all = g_app_info_get_all_for_type(type);
    const bool listed = all != nullptr;
    for (GList* item = all; item != nullptr; item = item->next) Add(G_APP_INFO(item->data));
    g_list_free_full(all, g_object_unref);
    return listed;
  }

  std::vector<DesktopApp> Take() { return std::move(apps_); }

 private:
  std::vector<DesktopApp> apps_;
};

}  // namespace

std::vector<DesktopApp> AppsForFile(const std::string& native_file) {
  const std::unique_ptr<gchar, GFree> type(g_content_type_guess(native_file.c_str(), nullptr, 0, nullptr));
  AppList apps;
  if (GObjectPtr<GAppInfo> preferred{g_app_info_get_default_for_type(type.get(), FALSE)}) {
    apps.Add(preferred.get());
  }
  if (!apps.AddAllForType(type.get())) {
    for (const char* stand_in : StandInTypes(native_file)) apps.AddAllForType(stand_in);
  }
  return apps.Take();
}

int StartApp(const std::string& id, const std::string& native_file) {
  const GObjectPtr<GDesktopAppInfo> app{g_desktop_app_info_new(id.c_str())};
  if (!app) return -1;
  const GObjectPtr<GFile> file{g_file_new_for_path(native_file.c_str())};
  const std::unique_ptr<gchar, GFree> uri(g_file_get_uri(file.get()));
  GList uris{uri.get(), nullptr, nullptr};
  // The process is left unreaped, for the caller to learn how it ends.
  const auto spawn_flags =
      static_cast<GSpawnFlags>(G_SPAWN_SEARCH_PATH | G_SPAWN_DO_NOT_REAP_CHILD);
  GPid pid = 0;
  auto note_pid = +[](GDesktopAppInfo*, GPid spawned, gpointer data) {
    *static_cast<GPid*>(data) = spawned;
  };
  GError* error = nullptr;
  const bool started = g_desktop_app_info_launch_uris_as_manager(
      app.get(), &uris, nullptr, spawn_flags, nullptr, nullptr, note_pid, &pid, &error);
  if (error != nullptr) g_error_free(error);
  if (!started) return -1;
  return pid;
}

}  // namespace vb
