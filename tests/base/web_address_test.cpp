// The rule for addresses from the language file: only web and mail addresses reach the shell.
#include <gtest/gtest.h>

#include "base/web_address.h"

using scrubwell::isWebOrMailAddress;
using scrubwell::mailLinkFor;

TEST(WebAddress, WebAndMailAddressesPass) {
  for (const char* address :
       {"http://example.org", "https://www.korvantis.example/scrubwell/de/", "HTTPS://A.B/?q=1",
        "mailto:feedback@korvantis.example", "MailTo:a@b?subject=Scrubwell"})
    EXPECT_TRUE(isWebOrMailAddress(address)) << address;
}

TEST(WebAddress, EverythingElseIsRefused) {
  for (const char* text :
       {"", "http://", "https://", "http:///etc", "mailto:", "mailto:nobody", "mailto:@host",
        "mailto:name@", "www.example.org", "C:\\Windows\\notepad.exe", "file:///C:/x.exe",
        "cmd /c del", "ftp://example.org", "javascript:alert(1)",
        "https://example.org\" /malicious", "https://exa mple.org", "https://a.b\r\nx",
        "\\\\server\\share\\run.exe"})
    EXPECT_FALSE(isWebOrMailAddress(text)) << text;
  EXPECT_FALSE(isWebOrMailAddress("https://" + std::string(3000, 'a'))) << "oversized";
  EXPECT_FALSE(isWebOrMailAddress(std::string("https://a\0b", 11))) << "embedded NUL";
}

TEST(WebAddress, FeedbackAddressBecomesOneMailLink) {
  EXPECT_EQ(mailLinkFor("feedback@korvantis.example"), "mailto:feedback@korvantis.example");
  EXPECT_EQ(mailLinkFor("mailto:a@b"), "mailto:a@b") << "no second scheme";
  EXPECT_EQ(mailLinkFor(""), "");
  EXPECT_EQ(mailLinkFor("not an address"), "");
  EXPECT_EQ(mailLinkFor("https://example.org"), "") << "a web address is no mail address";
}
