// The four fixed interface languages as plain data: the texts of the game
// window, the options dialog and the About window, each table in the order in
// which its routine applies it. No Qt here, so tests and tools read the tables
// without windows. Strings are UTF-8; a line break inside a text is CR LF.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace quintavo::lang {

// Language numbers; any other number leaves every text as it is.
inline constexpr std::int32_t German = 0;
inline constexpr std::int32_t English = 1;
inline constexpr std::int32_t French = 2;
inline constexpr std::int32_t Italian = 3;
inline constexpr std::int32_t LanguageCount = 4;

constexpr bool IsLanguage(std::int32_t language) {
    return language >= 0 && language < LanguageCount;
}

// One text per language, indexed by the language number.
using LanguageTexts = std::array<const char*, LanguageCount>;

// Entries of the options dialog's language list; the index is the language number.
inline constexpr LanguageTexts LanguageNames = {"Deutsch", "English", "Francaise", "Italiano"};

enum class EntryKind : std::uint8_t {
    SharedText,    // one of the 22 program-wide message strings, `name` is its variable
    Control,       // the caption of the window's control whose object name is `name`
    WindowCaption, // the window's own title (`name` is "Caption")
};

struct TextEntry {
    EntryKind kind;
    const char* name;
    LanguageTexts text;
};

enum class Window : std::uint8_t { Main, Options, About };

// The 22 shared message strings, in no particular order.
inline constexpr std::array<std::string_view, 22> SharedTextNames = {
    "sMenuAbout",  "sMenuOptions",   "sMenuClose", "sShow",        "sHide",     "sInvalidFile",
    "sGamePrefix", "sNewFileName",   "sAskSave",   "sCancelGame",  "sStart",    "sStop",
    "sMate",       "sCheck",         "sDraw",      "sCastling",    "sTimeOver", "sStaleMate",
    "sThreefold",  "sInternalError", "sLoadError", "sSearchDepth",
};

// clang-format off
namespace tables {
inline constexpr EntryKind Shared = EntryKind::SharedText;
inline constexpr EntryKind Control = EntryKind::Control;
inline constexpr EntryKind Caption = EntryKind::WindowCaption;

// Game window: the 21 main-window message strings and the eleven captions.
inline constexpr std::array<TextEntry, 32> MainWindow = {{
    {Shared, "sMenuAbout", {"Über...", "About...", "A propos...", "Info..."}},
    {Shared, "sMenuOptions", {"Optionen", "Options", "Options", "Optioni"}},
    {Shared, "sMenuClose", {"Beenden", "Close Application", "Fermer", "Chiuti"}},
    {Shared, "sInvalidFile", {"Ungültige Schachdatei", "Invalid chess file", "Echec file invalid", "Filo invalido"}},
    {Shared, "sGamePrefix", {"Spiel: ", "Match: ", "Jeu: ", "Partita: "}},
    {Shared, "sNewFileName", {"Neu.vsr", "New.vsr", "Nouveau.vsr", "Nouvo.vsr"}},
    {Shared, "sAskSave", {"Möchten Sie dieses Schachspiel speichern?", "Do you want to save this match?", "Voulez vous sauvegarder ce match?", "Partita memorizzare?"}},
    {Shared, "sCancelGame", {"Sie befinden sich in einem Spiel. Wenn Sie Änderungen vornehmen, brechen Sie das aktuelle Spiel ab.\r\nMöchten Sie das aktuelle Spiel abbrechen?", "Making changes you will cancel your current game.\r\nDo you want to continue?", "Vous jouez à un jeu , si vous décidez de faire des changements vous allez abandoner le jeu en cour.\r\nVoulez vous abandonner le jeu?", "Partita interrompere?"}},
    {Control, "NeuLbl", {"Neu", "New", "Nouveau", "Nuovo"}},
    {Control, "Ladenlbl", {"Laden", "Load", "Charger", "Caricare"}},
    {Control, "savelbl", {"Speichern", "Save", "Sauveg.", "Memorizzare"}},
    {Control, "Backlbl", {"Zurück", "Back", "Retour", "Indietro"}},
    {Control, "Nextlbl", {"Vor", "Next", "Suivant", "Avanti"}},
    {Control, "Label2", {"Start", "Start", "Début", "Inizio"}},
    {Control, "Label1", {"Optionen", "Options", "Options", "Optioni"}},
    {Control, "infolbl", {"Info...", "About...", "A propos", "Info..."}},
    {Control, "Label6", {"Weiß", "White", "Blanc", "Bianco"}},
    {Control, "Label7", {"Schwarz", "Black", "Noir", "Nero"}},
    {Control, "Label8", {"Zeitlimit in [sec]:", "Time Limit [sec]:", "Temps limité à:", "tempo di limite [sec]:"}},
    {Shared, "sShow", {"Zeigen", "Show", "Montrer", "Indicare"}},
    {Shared, "sHide", {"Verstecken", "Hide", "Cacher", "Nascondere"}},
    {Shared, "sStart", {"Start", "Start", "Commencer", "Inizio"}},
    {Shared, "sStop", {"Stop", "Stop", "Arrêter", "Stop"}},
    {Shared, "sMate", {"Matt", "Mate", "Mat", "Matto"}},
    {Shared, "sCheck", {"Schach", "Check", "Echec", "Scacco"}},
    {Shared, "sDraw", {"Unentschieden", "Draw", "Draw", "Pareggiato"}},
    {Shared, "sCastling", {"Rochade", "Castling", "Prendre la tour", "Arroccamento"}},
    {Shared, "sTimeOver", {"Zeit ist abgelaufen", "Time over", "C'est fini", "Tempo scaduto"}},
    {Shared, "sStaleMate", {"Es kann kein Zug mehr gemacht werden ohne den König in Schach zu setzen", "You cannot avoid a check mate.", "Vous ne pouvez pas bouger sans mettre le roi en échec", "Non può essere fatto più una mossa, senza mettere il ré in scacco"}},
    {Shared, "sThreefold", {"Diese Position ist zum dritten Mal aufgetreten", "This position occurs for the third time in the same game", "Vous avez déjà utilise cette position 3 fois dans le même jeu", "Questa posizione é nata la terza volta"}},
    {Shared, "sInternalError", {"Interner Fehler", "Internal Error", "Erreur interne", "Spaglio interno"}},
    {Shared, "sLoadError", {"Fehler beim Laden aufgetreten. Das Spiel wird neu gestartet.", "There was an error while loading, game reset.", "Erreur pendant le chargement. Le jeu va redémarrer.", "Spaglio é nato alla carrica. La partita inizia di nuovo."}},
}};

// Options dialog: its captions, its title and `sSearchDepth`.
inline constexpr std::array<TextEntry, 43> OptionsDialog = {{
    {Control, "CheckBox20", {"Eigenes Bild", "Own Image", "Image spécifique", "Imago speciale"}},
    {Control, "CheckBox19", {"Abfragen", "Ask", "Demande", "Demande"}},
    {Control, "GroupBox14", {"Speichern abfragen", "Ask for saving", "Demande de sauvegarder", "Demande memorizzare"}},
    {Caption, "Caption", {"Optionen", "Options", "Options", "Optioni"}},
    {Control, "Button1", {"OK", "OK", "OK", "OK"}},
    {Control, "Button2", {"Abbrechen", "Cancel", "Abandonner", "Interrompere"}},
    {Control, "TabSheet1", {"Allgemein", "General", "Général", "In generale"}},
    {Control, "TabSheet2", {"Meldungen", "Messages", "Messages", "Notizie"}},
    {Control, "TabSheet3", {"Erweitert", "Extended", "Supplementaire", "Allargato"}},
    {Control, "TabSheet4", {"Farben", "Colors", "Couleurs", "Colori"}},
    {Control, "TabSheet5", {"Sprachen", "Languages", "Langue", "Lingue"}},
    {Control, "GroupBox4", {"Grundeinstellungen", "Basic Settings", "Cadres basics", "Base di regolazioni"}},
    {Control, "GroupBox2", {"Rochaden erlaubt", "Castling allowed", "Vous pouvez prendre la tour", "Arroccamenti permessi"}},
    {Control, "GroupBox3", {"Koordinaten", "Coordinates", "Coordination", "Coordinazioni"}},
    {Control, "CheckBox2", {"Animierte Züge", "Animated Moves", "Mouvement animé", "Mossi animati"}},
    {Control, "CheckBox3", {"Brettlinien", "Boardlines", "Contours", "Linie scacchiere"}},
    {Control, "CheckBox4", {"Computer spielt schwarz", "Computer plays black", "Ordin. jouant a.l. noirs", "Computer gioca nero"}},
    {Control, "CheckBox5", {"Computer spielt weiß", "Computer plays white", "Ordin. jouant a.l. blancs", "Computer gioca bianco"}},
    {Control, "CheckBox10", {"Weiß oben", "White on Top", "Les blancs en haut", "Bianco sopra"}},
    {Control, "CheckBox11", {"Seite weißer König", "White king side", "Roi blanc", "Lato ré bianco"}},
    {Control, "CheckBox12", {"Seite weiße Dame", "White queen side", "Reine blanche", "Lato régina bianca"}},
    {Control, "CheckBox13", {"Seite schwarzer König", "Black king side", "Roi noir", "Lato ré nero"}},
    {Control, "CheckBox14", {"Seite schwarze Dame", "Black queen side", "Reine noire", "Lato régina nero"}},
    {Control, "CheckBox6", {"Koordinaten West anzeigen", "Show west coordinates", "Voir la coord. ouest", "Indicare coordinazioné orest"}},
    {Control, "CheckBox7", {"Koordinaten Nord anzeigen", "Show north coordinates", "Voir la coord. nord", "Indicare coordinazioné nord"}},
    {Control, "CheckBox8", {"Koordinaten Ost anzeigen", "Show east coordinates", "Voir la coord. est", "Indicare coordinazioné est"}},
    {Control, "CheckBox9", {"Koordinaten Süd anzeigen", "Show south coordinates", "Voir la coord. sud", "Indicare coordinazioné sud"}},
    {Control, "GroupBox6", {"Anzeigen", "Display", "Afficher", "Indicare"}},
    {Control, "CheckBox15", {"Schach setzen", "Set into check", "Mettre en échec", "Mettere scacco"}},
    {Control, "CheckBox16", {"Unentschieden", "Draw", "Draw", "Pareggiato"}},
    {Control, "CheckBox17", {"Matt setzen", "Set into mate", "Mettre mat", "Meterre matto"}},
    {Control, "CheckBox18", {"Rochade", "Castling", "prendre la tour", "Arroccamento"}},
    {Control, "CheckBox1", {"Position 3. mal", "Three fold position", "Position de repli", "Posizione 3. volte"}},
    {Control, "RadioGroup1", {"Schach-Algorithmen", "Chess-Algorithm", "Algorithme des échecs", "Algorithmi-scacco"}},
    {Control, "GroupBox8", {"Zug-Zeit [sec]", "Time to move [sec]", "Temps pour bouger [sec]", "Tempo-mossa [sec]"}},
    {Shared, "sSearchDepth", {"Suchtiefe = ", "Search-Depth = ", "Level de chercher = ", "Cerca profondita = "}},
    {Control, "Label1", {"Figurensatz", "Piece Set", "Pièces de jeu", "Seria di pedine"}},
    {Control, "Label5", {"Erst nach Neustart wirksam", "Viewable only after restart", "Visible seulement après le redémarrage", "Valido solo dopo l`inizio nuovo"}},
    {Control, "GroupBox11", {"Schachbrett", "Chess board", "échiquier", "Sachierro"}},
    {Control, "Label2", {"Dunkle Felder", "Dark Squares", "Pions foncés", "Riquadri scuri"}},
    {Control, "Label3", {"Helle Felder", "Light Squares", "Pions clairs", "Riquadri chiari"}},
    {Control, "Label4", {"Rand", "Border", "Camps", "Bordo"}},
    {Control, "GroupBox13", {"Gewählte Sprache", "Selected Language", "Sélectionner la langue", "Lingua scelta"}},
}};

// About window.
inline constexpr std::array<TextEntry, 7> AboutWindow = {{
    {Caption, "Caption", {"Über Quintavo...", "About Quintavo...", "A propos de Quintavo...", "Quintavo Informazioni..."}},
    {Control, "Label3", {"Quintavo ist ein kostenloses Schachspiel, das durch Werbung finanziert wird.", "Quintavo is a free chess game financed by advertising.", "Quintavo est un jeu d'échec gratuit financé par la publicité.", "Quintavo é un gioco gradiuto che viene finanziato della publicitá."}},
    // Our own words: the advertising contact line.
    {Control, "Label4", {"Für Werbung in Quintavo schreiben Sie bitte an:", "For advertising in Quintavo please write to:", "Pour la publicité dans Quintavo, écrivez à:", "Per la pubblicità in Quintavo scrivete a:"}},
    {Control, "Label5", {"Für Fragen betreffend dieses Programmes, senden Sie bitte eine eMail an:", "If you have any questions concerning Quintavo e-mail us at:", "Si vous avez des questions au sujet de ce programme , ecrivez un e-mail à:", "Per domande riquardando questo programma, manda per favore un eMail:"}},
    // Our own words: the postal-address line.
    {Control, "Label7", {"Das Quintavo-Team, Postanschrift auf Anfrage", "The Quintavo team, postal address on request", "L'équipe Quintavo, adresse postale sur demande", "Il team Quintavo, indirizzo postale su richiesta"}},
    {Control, "ThanxTolbl", {"Spezieller Dank geht an:", "Special thanks to:", "Remerciement spéciaux à:", "Un ringrazio speziale va a:"}},
    // Our own words: the scrolling thanks text.
    {Control, "ScrollLabel1", {"alle, die Quintavo getestet, Fehler gemeldet und Ideen beigetragen haben.", "everyone who tested Quintavo, reported faults and shared ideas.", "tous ceux qui ont testé Quintavo, signalé des erreurs et partagé des idées.", "tutti coloro che hanno provato Quintavo, segnalato errori e condiviso idee."}},
}};
}  // namespace tables
// clang-format on

namespace checks {
constexpr std::size_t Count(std::span<const TextEntry> table, EntryKind kind) {
    std::size_t n = 0;
    for (const TextEntry& entry : table)
        n += entry.kind == kind ? 1 : 0;
    return n;
}
// Every shared string is assigned by exactly one table, under a known name.
constexpr bool SharedTextsCovered() {
    for (std::string_view name : SharedTextNames) {
        int assigned = 0;
        for (auto table : {std::span<const TextEntry>(tables::MainWindow),
                           std::span<const TextEntry>(tables::OptionsDialog),
                           std::span<const TextEntry>(tables::AboutWindow)})
            for (const TextEntry& entry : table)
                assigned += entry.kind == EntryKind::SharedText && name == entry.name ? 1 : 0;
        if (assigned != 1) return false;
    }
    return true;
}
static_assert(Count(tables::MainWindow, EntryKind::SharedText) == 21);
static_assert(Count(tables::MainWindow, EntryKind::Control) == 11);
static_assert(Count(tables::OptionsDialog, EntryKind::SharedText) == 1);
static_assert(Count(tables::AboutWindow, EntryKind::SharedText) == 0);
static_assert(Count(tables::MainWindow, EntryKind::SharedText) +
                  Count(tables::OptionsDialog, EntryKind::SharedText) ==
              SharedTextNames.size());
static_assert(SharedTextsCovered());
} // namespace checks

constexpr std::span<const TextEntry> Table(Window window) {
    switch (window) {
    case Window::Options:
        return tables::OptionsDialog;
    case Window::About:
        return tables::AboutWindow;
    case Window::Main:
        break;
    }
    return tables::MainWindow;
}

// The entry of a window's table with this name, or nullptr. Windows may take
// their German design-time captions from here.
constexpr const TextEntry* FindEntry(Window window, std::string_view name) {
    for (const TextEntry& entry : Table(window))
        if (name == entry.name) return &entry;
    return nullptr;
}

} // namespace quintavo::lang
