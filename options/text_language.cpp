#include "options/text_language.h"

namespace tessaro {

GameLanguage ChooseLanguage(const std::vector<std::string>& preferred) {
    for (const std::string& name : preferred) {
        std::string language = name.substr(0, name.find_first_of("-_"));
        for (char& c : language)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (language == "en") return GameLanguage::English;
        if (language == "ja") return GameLanguage::Japanese;
    }
    return GameLanguage::Japanese;
}

}  // namespace tessaro
