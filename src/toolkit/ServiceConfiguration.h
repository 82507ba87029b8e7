#pragma once
#include <QByteArray>
#include <QString>
#include <QUrl>

// Every address outside the application, in one place. Each entry has a
// default and can be pointed elsewhere (a test's server on 127.0.0.1, a
// fork's own pages) by an environment variable or by a value in the
// "services" group of the user defaults; the environment comes first. The
// entry "productPage" is read from PANELRY_PRODUCT_PAGE, then from the
// setting services/productPage, then from its default.
namespace ServiceConfiguration {

struct Entry {
    const char *key;
    const char *defaultValue;
};

// Where the product presents itself: help's first button, and the page the
// recommendation names.
extern const Entry productPage;
// Where users review the product.
extern const Entry reviewPage;
// The mail address for feedback.
extern const Entry feedbackAddress;
// The page that starts a post on Twitter; "%1" stands for its text.
extern const Entry tweetPage;

QString value(const Entry &entry);
// The value as an address, with "%1" replaced by `argument` percent-encoded
// as one query value.
QUrl url(const Entry &entry, const QString &argument = {});

QByteArray environmentVariable(const Entry &entry);
QString settingsKey(const Entry &entry);
}
