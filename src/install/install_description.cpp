// The configuration folder of the installation, its contexts and the paths of the context's files.
#include "install/install_description.h"

#include "core/param_node.h"
#include "core/text_functions.h"
#include "core/text_string.h"
#include "install/file_stream.h"
#include "files/directory_scanner.h"
#include "files/file_utils.h"
#include "vars/shell_folders.h"

#include <cstring>
#include <string>
#include <vector>

TextString currentContext;

const char *const defaultFolderSpecification = "LocalAppData\\VeltraConfig";

namespace {

// Only this much of the first line of "sysinstall.ini" is used.
constexpr int maxSpecificationLength = 359;

// The folder number of the user's documents among the shell folders.
constexpr int32_t documentsFolderId = 8;

const char *const contextPrefix = "Ctx";
const char *const standardProfileLabel = "Profil standard";

// The first line of the file, without its line end and cut to maxSpecificationLength characters;
// empty when the file cannot be read.
void readFirstLine(const char *path, TextString &line) {
    line.Clear();
    FileInput in(path);
    for (int c = in.get(); c != CharInput::EndOfInput && c != '\n' && line.Length() < maxSpecificationLength;
         c = in.get())
        line.AppendChar(static_cast<char>(c));
}

// Replaces, variable by variable in list order, every occurrence of each variable's name in
// text by its value. The values put in are not searched again: the common folders come first, so
// "CommonDesktop" is replaced before "Desktop", and the path it gives (which usually ends in
// "Desktop" itself) is kept whole.
void substituteVariables(TextString &text, const ParamNode &variables) {
    struct Piece {
        std::string text;
        bool isValue;
    };
    std::vector<Piece> pieces{{text.CStr(), false}};
    for (NodeCell *cell = variables.Children(); cell; cell = cell->next) {
        const ParamNode &variable = *ParamNodeOf(cell);
        if (variable.Name() == nullptr || variable.Name()[0] == '\0')
            continue;
        const std::string name = variable.Name();
        const std::string value = variable.Value() ? variable.Value() : "";
        std::vector<Piece> replaced;
        for (const Piece &piece : pieces) {
            if (piece.isValue) {
                replaced.push_back(piece);
                continue;
            }
            std::size_t from = 0;
            for (std::size_t at; (at = piece.text.find(name, from)) != std::string::npos;
                 from = at + name.size()) {
                replaced.push_back({piece.text.substr(from, at - from), false});
                replaced.push_back({value, true});
            }
            replaced.push_back({piece.text.substr(from), false});
        }
        pieces.swap(replaced);
    }
    text.Clear();
    for (const Piece &piece : pieces)
        text.Append(piece.text.c_str());
}

void appendComponent(TextString &path, const char *component) {
    if (!IsBlank(component)) {
        path.AppendChar(kPathSeparator);
        path.Append(component);
    }
}

} // namespace

const char *configFolder(const char *programFolder, TextString &out) {
    TextString descriptionFile(programFolder);
    descriptionFile.JoinPath("sysinstall.ini", "system", 1);
    TextString folderLine;
    readFirstLine(descriptionFile.CStr(), folderLine);
    if (IsBlank(folderLine.CStr()))
        folderLine.Assign(defaultFolderSpecification);

    // "STDDEFAUT" stands for the default folder line, whose own words are then replaced too.
    folderLine.ReplaceAll("STDDEFAUT", defaultFolderSpecification);
    // A variable the line does not name cannot change it: only the named folders are looked up.
    ParamNode variables(nullptr, nullptr);
    FillFolderVariables(variables, true, true, folderLine.CStr());
    substituteVariables(folderLine, variables);

    if (IsBlank(folderLine.CStr())) {
        out.Assign(programFolder);
    } else if (std::strchr(folderLine.CStr(), ':')) {
        out.Assign(folderLine.CStr());
    } else if (const char *documents = documentsFolder()) {
        out.Assign(documents);
        appendComponent(out, folderLine.CStr());
    } else {
        out.Assign(programFolder); // a relative folder with nothing to be relative to
    }
    return out.CStr();
}

const char *documentsFolder() {
    static TextString folder;
    return GetShellFolder(&folder, documentsFolderId, false);
}

const char *configPath(TextString &out, const char *programFolder, const char *leaf, const char *sub) {
    configFolder(programFolder, out);
    if (!IsBlank(currentContext.CStr())) {
        out.AppendChar(kPathSeparator);
        out.Append(contextPrefix);
        out.Append(currentContext.CStr());
    }
    appendComponent(out, sub);
    appendComponent(out, leaf);
    return out.CStr();
}

int listContexts(ParamNode &result, const char *programFolder, bool addStandard) {
    result.DeleteChildren();
    TextString folder;
    configFolder(programFolder, folder);
    folder.JoinPath("*", nullptr, 1);
    DirectoryScanner scanner;
    if (scanner.open(folder.CStr(), true)) {
        int isFolder = 0;
        while (const char *name = scanner.next(true, &isFolder)) {
            const char *context = SkipPrefix(name, contextPrefix);
            if (isFolder && context)
                result.FindChild(context, true)->SetValue(context, 0);
        }
    }
    if (addStandard)
        result.FindChild("", true)->SetValue(standardProfileLabel, 0);
    return result.ChildCount();
}

void ensureFolderFor(const char *path, bool isFile) {
    if (isFile)
        makeParentFolders(path, true);
    else
        makeFolders(path, true);
}

namespace {

// configPath in the running program's folder.
const char *programConfigPath(TextString &out, const char *leaf, const char *sub) {
    TextString programFolder;
    AssignProgramDir(programFolder);
    return configPath(out, programFolder.CStr(), leaf, sub);
}

} // namespace

const char *genAutoPath(TextString &out, const char *fileName) {
    programConfigPath(out, fileName, "GenAuto");
    ensureFolderFor(out.CStr(), !IsBlank(fileName));
    return out.CStr();
}

const char *userConfigPath(TextString &out, const char *name, const char *dir) {
    programConfigPath(out, nullptr, "ConfigUsr");
    if (name || dir)
        out.JoinPath(name, dir, 1);
    ensureFolderFor(out.CStr(), !IsBlank(name));
    return out.CStr();
}

const char *configSubPath(TextString &out, const char *sub) {
    programConfigPath(out, nullptr, sub);
    ensureFolderFor(out.CStr(), !IsBlank(sub));
    return out.CStr();
}

const char *cadFolderPath(TextString &out) {
    return configSubPath(out, "DossierCAD");
}
