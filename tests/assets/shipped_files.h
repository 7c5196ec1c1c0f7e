// Finding the files shipped under assets/ for the tests of their contents:
// the template's page lists, the theme images and the links of a page.
#ifndef ORVANE_TESTS_ASSETS_SHIPPED_FILES_H_
#define ORVANE_TESTS_ASSETS_SHIPPED_FILES_H_

#include <filesystem>
#include <string>
#include <vector>

namespace assets_test {

// The assets/ folder of the source tree.
std::filesystem::path AssetsDir();
// The program folder as shipped: assets/program.
std::filesystem::path ProgramDir();
// The template's site root: assets/program/ovintranet/orvane.
std::filesystem::path TemplateRoot();

// Paths below the site root, "/"-separated, in the order the builder
// personalises them. "writing.htm" lies in the program folder, not the template.
const std::vector<std::string>& SchoolNameFiles();  // 28 pages
const std::vector<std::string>& ColourFiles();      // 42 pages

// Every page of the template, relative to its site root.
std::vector<std::string> TemplatePages();

// The 40 image files every theme folder holds.
const std::vector<std::string>& SiteImageList();

// The values of every href="..." and src="..." of a page.
std::vector<std::string> LinksOf(const std::string& page);

}  // namespace assets_test

#endif  // ORVANE_TESTS_ASSETS_SHIPPED_FILES_H_
