#pragma once

#include <QLocale>

// The program's texts are written in English and translated by Qt's
// translation system; the translations are built into the programs.
//
// Installs, in the running application, the program's translation for the
// user's languages (by default the system's, from LANGUAGE, LC_ALL, LANG),
// in place of those it installed before. Under English, or a language the
// program has no translation of, it installs only English's plural forms. Returns the language of
// the texts: the one translated into, or English.
QLocale installTranslations(const QStringList &uiLanguages = QLocale::system().uiLanguages());

// Installs Qt's own translation (its dialogs' buttons, a box's context
// menu) for that language, where the system has it, once. The tray program
// calls it as it builds its first window or message box: one that is never
// opened does not hold it in memory.
void installQtTranslation();

// The language installTranslations() installed (English before it or
// without it): the voice speaks it.
QLocale textLanguage();

// The translation installTranslations() would pick for these languages in
// order of preference ("fr-FR", "fr", "en-GB"…): the resource file of the
// first language that has one, or an empty string where English comes
// first or none has one.
QString translationFor(const QStringList &uiLanguages);
