#include "resources/string_table.h"

#include <unordered_map>

#include "model/cp1252.h"

namespace {

struct Entry {
    int id;
    const char* text;  // UTF-8
};

// German, the program's own language.
const Entry kGerman[] = {
    {IDS_ABOUT_MEMORY, "%lu KB Arbeitsspeicher"},
    // Linux has no drive letters: the text names the file system's mount point
    {IDS_ABOUT_FREE_DISK, "%lu KB Frei auf Laufwerk %s"},
    {IDS_ABOUT_UNAVAILABLE, "Unavailable"},
    {IDS_REGISTRY_KEY, "ORVANTA"},
    {IDS_APP_TITLE, "Orvanta Modeller"},
    {IDS_CLOSE_BRACE, "}\r\n\r\n"},
    {IDS_FORMAT_XY, "x: %.2f  y: %.2f"},
    {IDS_FORMAT_XZ, "x: %.2f  z: %.2f"},
    {IDS_FORMAT_ZY, "z: %.2f  y: %.2f"},
    {IDS_PREFIX_TEXTURE, "Textur_"},
    {IDS_TEXTURE_OPEN, "texture {\r\n"},
    {IDS_PIGMENT_OPEN, "\tpigment {\r\n"},
    {IDS_BACKGROUND_OPEN, "background { "},
    {IDS_NAME_BACKGROUND, "Hindergrund"},
    {IDS_NORMAL_OPEN, "\tnormal {\r\n"},
    {IDS_FINISH_OPEN, "\tfinish {\r\n"},
    {IDS_NAME_SKYSPHERE, "Himmel"},
    {IDS_SKYSPHERE_OPEN, "sky_sphere { "},
    {IDS_PREFIX_FOG, "Nebel_"},
    {IDS_FOG_OPEN, "fog { "},
    {IDS_PREFIX_HALO, "Halo_"},
    {IDS_HALO_OPEN, "halo {"},
    {IDS_NO_OBJECT_SELECTED, "Keine Objekt selektiert"},
    {IDS_SAVE_CHANGES, "Änderungen in %1 speichern?"},
    {IDS_RANGE_MESSAGE, "Geben Sie bitte eine ganze Zahl zwischen %1 und %2 ein."},
    {IDS_VIEW_TOP, "Draufsicht"},
    {IDS_VIEW_FRONT, "Frontansicht"},
    {IDS_VIEW_SIDE, "Seitenansicht"},
    {IDS_VIEW_CAMERA, "Kamera"},
    {IDS_RESTART_NEEDED, "Diese Einstellung wird erst beim Neustart des Programmes aktiv."},
    {IDS_BROWSER_OBJECTS, "Objekte"},
    {IDS_BROWSER_SURFACES, "Oberflächen"},
    {IDS_NO_DEFORMATION, "keine Deformation"},
    {IDS_BROWSER_HALOS, "Halos"},
    {IDS_BROWSER_DEFINITIONS, "(Definitionen Oberflächenteilen)"},
    {IDS_NO_ENTRY, "(kein Eintrag)"},
    {IDS_PREFIX_LATHE, "Rotationskoerper"},
    {IDS_CAPTION_TEXTURE, "Eigenschaften Oberfläche"},
    {IDS_CAPTION_BACKGROUND, "Eigenschaften Hintergrund"},
    {IDS_CAPTION_SKYSPHERE, "Eigenschaften Himmelskugel"},
    {IDS_CAPTION_FOG, "Eigenschaften Nebel"},
    {IDS_CAPTION_HALO, "Eigenschaften Halo"},
    {IDS_CAPTION_LATHE, "Eigenschaften Rotationskörper (Lathe)"},
    {IDS_HELP_FILE, "OM_dt.hlp"},
    {IDS_CAPTION_DOC_SETTINGS, "Einstellungen für das aktuelle Dokument"},
    {IDS_CAPTION_APP_SETTINGS, "Einstellungen des Orvanta Modellers"},
    {IDS_FILTER_INCLUDES,
     "Include-Dateien (*.inc)|*.inc|Povray-Dateien (*.pov)|*.pov|Orvanta Modeller Dateien "
     "(*.om)|*.om|All Files (*.*)|*.*||"},
    {IDS_CAPTION_POLYGON, "Eigenschaften Polygon"},
    {IDS_CAPTION_TRIANGLE, "Eigenschaften Dreieck (triangle)"},
    {IDS_CAPTION_SMOOTH_TRIANGLE, "Eigenschaften Dreieck (smooth_triangle)"},
    {IDS_CAPTION_PIGMENT, "Eigenschaften Pigment"},
    {IDS_PREFIX_PIGMENT, "Pigment_"},
    {IDS_BROWSER_PIGMENTS, "Pigmente"},
    {IDS_CAPTION_TEXT, "Eigenschaften Text"},
    {IDS_FONT_OPEN_ERROR,
     "Fehler beim öffnen der Fontdatei (*.ttf), wenn dieser Fehler auftritt gehen Sie in den "
     "Eigenschaftendialog des Textobjekts und ändern Sie den Font."},
    {IDS_FONT_READ_ERROR,
     "Fehler beim lesen der Fontdatei (*.ttf), wenn dieser Fehler auftritt gehen Sie in den "
     "Eigenschaftendialog des Textobjekts und ändern Sie den Font."},
    {IDS_FONT_MEMORY_ERROR,
     "Es ist ein Speicherplatzpoblem aufgetreten. Beenden Sie Orvanta, schließen Sie einige "
     "Windowsanwendungen und starten Sie Orvanta neu."},
    {IDS_DELETED_MARK, "!! GELÖSCHT !!"},
    {IDS_PREFIX_BOX, "Quader_"},
    {IDS_PREFIX_SPHERE, "Kugel_"},
    {IDS_PREFIX_CONE, "Kegel_"},
    {IDS_PREFIX_CYLINDER, "Zylinder_"},
    {IDS_PREFIX_TORUS, "Ring_"},
    {IDS_PREFIX_PLANE, "Ebene_"},
    {IDS_PREFIX_HEIGHTFIELD, "HF_"},
    {IDS_PREFIX_LIGHT, "Lichtquelle_"},
    {IDS_PREFIX_SPOT, "Spot_"},
    {IDS_PREFIX_CAMERA, "Kamera_"},
    {IDS_NAME_LOOKAT, "Richtungspunkt"},
    {IDS_PREFIX_CSG, "CSG_"},
    {IDS_PREFIX_BLOB, "Blob_"},
    {IDS_PREFIX_USEROBJECT, "objekt_"},
    {IDS_PREFIX_POLYGON, "Polygon_"},
    {IDS_PREFIX_TRIANGLE, "Triangle_"},
    {IDS_PREFIX_SMOOTH_TRIANGLE, "SmoothTriangle_"},
    {IDS_PREFIX_TEXT, "Text_"},
    {IDS_CAPTION_BOX, "Eigenschaften Quader"},
    {IDS_CAPTION_SPHERE, "Eigenschaften Kugel"},
    {IDS_CAPTION_CONE, "Eigenschaften Kegel"},
    {IDS_CAPTION_CYLINDER, "Eigenschaften Zylinder"},
    {IDS_CAPTION_TORUS, "Eigenschaften Ring"},
    {IDS_CAPTION_PLANE, "Eigenschaften Ebene"},
    {IDS_CAPTION_HEIGHTFIELD, "Eigenschaften Höhenfeld"},
    {IDS_CAPTION_LIGHT, "Eigenschaften Lichtquelle"},
    {IDS_CAPTION_SPOT, "Eigenschaften Lichtquelle (Spot)"},
    {IDS_CAPTION_LIGHT_CYLINDER, "Eigenschaften Lichtquelle (zylindrisch)"},
    {IDS_CAPTION_CAMERA, "Eigenschaften Kamera"},
    {IDS_CAPTION_CSG, "Eigenschaften CSG"},
    {IDS_CAPTION_BLOB, "Eigenschaften Blob"},
    {IDS_CAPTION_USEROBJECT, "Eigenschaften vordefiniertes Objekt"},
    {IDS_OPEN_BOX, "box {\r\n"},
    {IDS_OPEN_SPHERE, "sphere {\r\n"},
    {IDS_OPEN_CONE, "cone {\r\n"},
    {IDS_OPEN_CYLINDER, "cylinder {\r\n"},
    {IDS_OPEN_TORUS, "torus {\r\n"},
    {IDS_OPEN_PLANE, "plane {\r\n\t<0.0,1.0,0.0> , 0.0\r\n"},
    {IDS_OPEN_HEIGHTFIELD, "height_field {\r\n"},
    {IDS_FONT_UNKNOWN_ERROR, "unknown error"},
    {IDS_CAMERA_REACTIVATE,
     "Sie hatten schon eine Kamera erzeugt, diese aber wieder gelöscht. Wollen Sie die neue "
     "Kamera an der Position der alten wieder aktivieren?"},
    {IDS_ZOOM_DIALOG_TITLE, "Auflösung"},
    {IDS_ZOOM_DIALOG_LABEL, "&Benutzereinstellung:"},
    {IDS_FILE_FILTER,
     "Orvanta Modeller Dateien (*.om);;POV-Ray (*.pov);;Include-Dateien (*.inc);;All Files (*)"},
    {IDS_READ_PROBLEMS_TITLE, "Fehler beim Lesen"},
    {IDS_READ_PROBLEMS_TEXT,
     "Aus %1 wurde nicht alles gelesen. Die Liste nennt jede Stelle mit ihrer Zeile und was "
     "dort geschah. Was fehlt, geht beim Speichern über diese Datei verloren."},
    {IDS_SAVE_FAILED, "Die Datei konnte nicht gespeichert werden; die alte Datei bleibt erhalten."},
    {IDS_OPEN_FAILED, "Fehler beim Öffnen des Dokuments."},
    {IDS_OPEN_DOCUMENT_ERROR, "Die Datei %1 konnte nicht gelesen werden."},
    {IDS_STATUS_LOADING_OBJECT, "Lade Objekt %ld, Name: %s"},
    {IDS_STATUS_MOVING_OBJECT, "Verschiebe %s"},
};

// English texts; what is missing here stays German. Scene-text pieces and default-name
// prefixes are not translated: they are identifiers in the scene files.
const Entry kEnglish[] = {
    {IDS_ABOUT_MEMORY, "%lu KB of memory"},
    {IDS_ABOUT_FREE_DISK, "%lu KB free on drive %s"},
    {IDS_ABOUT_UNAVAILABLE, "Unavailable"},
    {IDS_APP_TITLE, "Orvanta Modeller"},
    {IDS_BROWSER_OBJECTS, "Objects"},
    {IDS_BROWSER_SURFACES, "Surfaces"},
    {IDS_BROWSER_HALOS, "Halos"},
    {IDS_BROWSER_DEFINITIONS, "(Definitions of texture components)"},
    {IDS_BROWSER_PIGMENTS, "Pigments"},
    {IDS_NO_ENTRY, "(no entry)"},
    {IDS_CAPTION_DOC_SETTINGS, "Settings of the current document"},
    {IDS_CAPTION_APP_SETTINGS, "Settings of the Orvanta Modeller"},
    {IDS_FILTER_INCLUDES,
     "Include files (*.inc)|*.inc|POV-Ray files (*.pov)|*.pov|Orvanta Modeller files "
     "(*.om)|*.om|All Files (*.*)|*.*||"},
    {IDS_ZOOM_DIALOG_TITLE, "Resolution"},
    {IDS_ZOOM_DIALOG_LABEL, "&User setting:"},
    {IDS_FILE_FILTER,
     "Orvanta Modeller files (*.om);;POV-Ray (*.pov);;Include files (*.inc);;All Files (*)"},
    {IDS_READ_PROBLEMS_TITLE, "Errors while reading"},
    {IDS_READ_PROBLEMS_TEXT,
     "Errors occurred while reading %1. The objects up to the error were loaded."},
    {IDS_SAVE_FAILED, "The file could not be saved; the old file is kept."},
    {IDS_OPEN_FAILED, "Error opening the document."},
    {IDS_OPEN_DOCUMENT_ERROR, "The file %1 could not be read."},
    {IDS_VIEW_TOP, "Top view"},
    {IDS_VIEW_FRONT, "Front view"},
    {IDS_VIEW_SIDE, "Side view"},
    {IDS_VIEW_CAMERA, "Camera"},
    {IDS_NO_OBJECT_SELECTED, "No object selected"},
    {IDS_SAVE_CHANGES, "Save changes to %1?"},
    {IDS_RESTART_NEEDED, "This setting takes effect when the program is restarted."},
    {IDS_RANGE_MESSAGE, "Please enter an integer between %1 and %2."},
    {IDS_CAMERA_REACTIVATE,
     "You had created a camera and deleted it again. Do you want to reactivate the new "
     "camera at the position of the old one?"},
    {IDS_READ_PROBLEMS_TITLE, "Problems while reading"},
    {IDS_READ_PROBLEMS_TEXT,
     "Not everything in %1 was read. The list names each place with its line and what "
     "happened there. What is missing is lost when the scene is saved over this file."},
    {IDS_STATUS_LOADING_OBJECT, "Loading object %ld, name: %s"},
    {IDS_STATUS_MOVING_OBJECT, "Moving %s"},
    {IDS_CAPTION_TEXTURE, "Surface properties"},
    {IDS_CAPTION_PIGMENT, "Pigment properties"},
    {IDS_CAPTION_HALO, "Halo properties"},
};

using Table = std::unordered_map<int, std::string>;

Table Build(const Entry* entries, size_t count) {
    Table t;
    for (size_t i = 0; i < count; ++i)
        t.emplace(entries[i].id, orv::Utf8ToCp1252(entries[i].text));
    return t;
}

const Table& German() {
    static const Table t = Build(kGerman, std::size(kGerman));
    return t;
}

const Table& English() {
    static const Table t = Build(kEnglish, std::size(kEnglish));
    return t;
}

UiLanguage g_language = UiLanguage::German;

}  // namespace

const std::string& LoadString(int id) {
    static const std::string empty;
    if (g_language == UiLanguage::English) {
        auto it = English().find(id);
        if (it != English().end())
            return it->second;
    }
    auto it = German().find(id);
    return it != German().end() ? it->second : empty;
}

std::string LoadStringUtf8(int id) {
    return orv::Cp1252ToUtf8(LoadString(id));
}

bool HasEnglishText(int id) {
    return English().count(id) != 0;
}

void SetUiLanguage(UiLanguage language) {
    g_language = language;
}

UiLanguage GetUiLanguage() {
    return g_language;
}
